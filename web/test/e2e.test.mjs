// A scripted session in headless Chromium, like a pupil's: every menu by its
// access letter, a projection with its charts and cursor, Fortsæt, the age
// groups, both lifetime modes, a census, the historical tables, the heading,
// a copy read back from the clipboard, a printout to PDF read back as text,
// About and the guide; the bad inputs of every field. Screenshots go to
// $SHOTS; the speeds are printed, not asserted.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { launch, openPage, serve } from './browser.mjs';

const shots = process.env.SHOTS ?? '/tmp/lysvandre-shots';
mkdirSync(shots, { recursive: true });

test('a whole session in the browser', async (t) => {
  const server = await serve(process.env.SITE);
  const browser = await launch();
  const context = browser.defaultBrowserContext();
  await context.overridePermissions(server.url.replace(/\/$/, ''), ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  const { page, problems } = await openPage(browser, server.url);
  // The print dialog would wait for a person; the printout itself is read
  // back through the browser's print to PDF below.
  await page.evaluate(() => { window.print = () => { window.printed = (window.printed ?? 0) + 1; }; });
  const speeds = {};
  const shot = (name) => page.screenshot({ path: join(shots, name + '.png') });
  const key = async (combo) => {
    const keys = combo.split('+');
    for (const k of keys.slice(0, -1)) await page.keyboard.down(k);
    await page.keyboard.press(keys[keys.length - 1]);
    for (const k of keys.slice(0, -1).reverse()) await page.keyboard.up(k);
  };
  const visible = (id) => page.evaluate((id) => { const e = document.getElementById(id); return !!e && e.isConnected && !e.hidden && e.offsetParent !== null; }, id);
  const name = (n, within = '') => `${within} [data-name="${n}"]`.trim();
  const value = (sel) => page.$eval(sel, (e) => e.value);
  const message = () => page.evaluate(() => {
    const box = document.getElementById('MessageBox');
    return box ? { caption: box.querySelector('.title').textContent, text: box.querySelector('.msgtext').textContent } : null;
  });
  const typeInto = async (sel, text) => { await page.click(sel, { clickCount: 3 }); await page.keyboard.press('Backspace'); await page.type(sel, text); };
  const menu = async (...names) => { for (const n of names) await page.click(name(n)); };
  // Clicks on a year where the list shows it.
  const clickYear = async (memo, year) => {
    const at = await page.$eval(memo, (e, year) => {
      const text = e.firstChild, i = text.data.indexOf(year), range = document.createRange();
      range.setStart(text, i); range.setEnd(text, i + year.length);
      const r = range.getBoundingClientRect();
      return [r.left + r.width / 2, r.top + r.height / 2];
    }, year);
    await page.mouse.click(at[0], at[1]);
  };

  try {
    await t.test('start: title, menus and the start picture for three seconds', async () => {
      speeds['page load to main window (ms)'] = await page.evaluate(() => window.lysvandre.timing.shown);
      assert.equal(await page.$eval('#Form1', (e) => e.dataset.caption), '   Lysvandre    Version 110109');
      assert.equal(await page.title(), 'Lysvandre Version 110109');
      await shot('01-start');
      assert.equal(await page.$eval(name('Image1'), (e) => e.hidden), false);
      const enabled = await page.$$eval('[role=menuitem]', (items) => items.filter((i) => i.getAttribute('aria-disabled') === 'false').map((i) => i.dataset.name));
      assert.deepEqual(enabled, ['Filer1', 'Afslut1', 'Rediger1', 'KopiertilKlippebordet1', 'Levetid1', 'enPerson', 'Topersoner1',
        'Prognose1', 'Inddata1', 'Basisr1', 'Folketllinger1', 'Inddata2', 'Historiskedata1', 'Middellevetid1', 'Ddelighed1',
        'Fertilitet1', 'Ekstra1', 'Indvandring1', 'Indlstal1', 'Hjlp1', 'Vejledning1', 'Omprogrammet1']);
      await page.waitForFunction(() => document.querySelector('[data-name="Image1"]').hidden, { timeout: 5000 });
    });

    await t.test('every menu by its access letter, arrows and Escape', async () => {
      for (const [letter, menuName] of [['f', 'Filer1'], ['l', 'Levetid1'], ['p', 'Prognose1'], ['t', 'Folketllinger1'], ['h', 'Hjlp1']]) {
        await key('Alt+' + letter);
        assert.equal(await page.$eval(name(menuName), (e) => e.getAttribute('aria-expanded')), 'true', menuName);
        await key('Escape');
        assert.equal(await page.$eval(name(menuName), (e) => e.getAttribute('aria-expanded')), 'false', menuName);
      }
      await key('Alt+f');
      await key('ArrowRight');
      assert.equal(await page.$eval(name('Rediger1'), (e) => e.getAttribute('aria-expanded')), 'true');
      await key('Escape');
      // Opening a main menu, even without choosing, picks the view "Kopier" acts on.
      assert.equal(await page.evaluate(() => window.lysvandre.activeView()), 3);
      await key('Alt+l');
      await key('Escape');
      assert.equal(await page.evaluate(() => window.lysvandre.activeView()), 1);
    });

    await t.test('About and the guide', async () => {
      await key('Alt+h');
      await key('o');
      assert.ok(await visible('AboutBox'));
      await shot('02-about');
      await key('Enter');
      assert.ok(!(await visible('AboutBox')));
      await key('Alt+h');
      await key('Enter');  // Vejledning, the first item
      assert.ok(await visible('Form9'));
      await shot('03-guide');
      await key('Escape');
      assert.ok(!(await visible('Form9')));
    });

    await t.test('projection input: every check\'s message, the key filter, pasted junk', async () => {
      await key('Alt+p');
      await key('Enter');  // Inddata
      assert.ok(await visible('BtnBottomDlg'));
      const dlg = (n) => name(n, '#BtnBottomDlg');
      assert.equal(await page.$eval(dlg('OKBtn'), (b) => b.disabled), true);
      await page.type(dlg('Edit1'), '7a,5');
      assert.equal(await value(dlg('Edit1')), '7.5');
      await key('Enter');
      await page.type(dlg('Edit3'), '2030');
      await key('Enter');
      await page.type(dlg('Edit4'), '65');
      await key('Enter');
      assert.deepEqual(await message(), { caption: 'Ups', text: 'Antal børn højst 6' });
      await shot('04-ups');
      await key('Enter');
      assert.equal(await message(), null);
      for (const [children, year, retire, text] of [
        ['1.8', '2200', '65', 'Årstal<=2100'], ['1.8', '1990', '65', 'Årstal>=2008'],
        ['1.8', '2030', '45', 'Pensionsalder mellem 50 og 99'], ['1..8', '2030', '65', 'Antal børn højst 6'],
      ]) {
        await typeInto(dlg('Edit1'), children);
        await typeInto(dlg('Edit3'), year);
        await typeInto(dlg('Edit4'), retire);
        await page.click(dlg('OKBtn'));
        assert.deepEqual(await message(), { caption: 'Ups', text }, `${children} ${year} ${retire}`);
        await key('Escape');
      }
      // Pasted text passes the same filter as typed text.
      await page.evaluate(() => {
        const f = document.querySelector('#BtnBottomDlg [data-name="Edit3"]');
        f.value = ''; f.focus();
        const data = new DataTransfer(); data.setData('text/plain', 'år 20x3-0');
        f.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
      });
      assert.equal(await value(dlg('Edit3')), '2030');
      await typeInto(dlg('Edit1'), '1.8');
      await typeInto(dlg('Edit4'), '65');
      const ms = await page.evaluate(() => new Promise((done) => {
        const ok = document.querySelector('#BtnBottomDlg [data-name="OKBtn"]');
        const t0 = performance.now();
        ok.click();
        setTimeout(() => done(window.lysvandre.timing.tableShown - t0), 50);
      }));
      speeds['OK to table shown (ms)'] = ms;
      assert.ok(!(await visible('BtnBottomDlg')));
      assert.match(await page.$eval(name('Memo2', '#Form3'), (e) => e.textContent), /PROGNOSE {2}for året 2030/);
      await shot('05-projection-table');
    });

    await t.test('pyramid, total graph and the cursor', async () => {
      await menu('Prognose1', 'Pyramide1');
      const timing = await page.evaluate(() => {
        const area = window.lysvandre.windows.Form3.area;
        let t = performance.now();
        for (let i = 0; i < 20; ++i) area.paint();
        const paint = (performance.now() - t) / 20;
        t = performance.now();
        for (let i = 0; i < 20; ++i) area.chart.mouseUp(true, 300 + i * 7, 200);
        return { paint, cursor: (performance.now() - t) / 20 };
      });
      speeds['pyramid drawn (ms)'] = timing.paint;
      speeds['cursor move (ms)'] = timing.cursor;
      const box = await page.$eval(name('PaintBox1', '#Form3'), (c) => { const r = c.getBoundingClientRect(); return [r.left, r.top]; });
      await page.mouse.click(box[0] + 250, box[1] + 250);
      assert.equal(await page.evaluate(() => window.lysvandre.state('CursorLineX')), 250);
      await shot('06-pyramid-cursor');
      await menu('Prognose1', 'Ialtgraf1');
      await page.mouse.click(box[0] + 400, box[1] + 250);
      await shot('07-total-graph');
    });

    await t.test('Ekstra: percent, the base year outlined, the projection played', async () => {
      const checked = (n) => page.$eval(name(n), (e) => e.getAttribute('aria-checked'));
      await menu('Prognose1', 'Pyramide1');
      await menu('Ekstra1', 'Visiprocent1');
      await menu('Ekstra1', 'Sammenlign1');
      await menu('Ekstra1');
      assert.equal(await checked('Visiprocent1'), 'true');
      assert.equal(await checked('Sammenlign1'), 'true');
      await shot('07b-percent-compared');
      await key('Escape');
      await menu('Ekstra1', 'Visiprocent1');
      await menu('Ekstra1', 'Sammenlign1');
      await menu('Ekstra1', 'Afspilprognose1');
      assert.equal(await page.evaluate(() => window.lysvandre.windows.Form3.playback.playing), true);
      await page.waitForFunction(() => !window.lysvandre.windows.Form3.playback.playing, { timeout: 10000 });
      await shot('07c-played');
    });

    await t.test('heading, copy to the clipboard, printout to PDF', async () => {
      await menu('Prognose1', 'Tabel2');
      await page.click(name('SpeedButton8', '#Form3'));
      assert.ok(await visible('Overskrif'));
      await page.type(name('Edit1', '#Overskrif'), 'Klasse 8b');
      await key('Enter');  // on to OK
      assert.ok(await visible('Overskrif'));
      await key('Enter');
      assert.ok(!(await visible('Overskrif')));
      // Fortryd keeps the heading that was given before.
      await page.click(name('SpeedButton8', '#Form3'));
      await page.type(name('Edit1', '#Overskrif'), ' og 8c');
      await key('Escape');
      assert.equal(await page.evaluate(() => window.lysvandre.windows.Overskrif.HeadingText), 'Klasse 8b');
      assert.equal(await page.evaluate(() => window.lysvandre.windows.Overskrif.Edit1.value), 'Klasse 8b og 8c');
      await menu('Prognose1');
      await key('Escape');
      await menu('Rediger1', 'KopiertilKlippebordet1');
      // The copy is written while the page goes on; a loaded machine may
      // take seconds, so every wait here polls for up to 10 s.
      const copied = await page.evaluate(async () => {
        for (let i = 0; i < 500; ++i) {
          const text = await navigator.clipboard.readText();
          if (text) return text;
          await new Promise((r) => setTimeout(r, 20));
        }
        return '';
      });
      const lines = await page.evaluate(() => window.lysvandre.tableLines());
      assert.equal(copied.replace(/\r\n/g, '\n'), ['Klasse 8b', ' ', ...lines].join('\n'));
      await menu('Filer1', 'Udskriv1');
      assert.equal(await page.evaluate(() => window.printed), 1);
      await page.emulateMediaType('print');
      const pdf = join(shots, 'printout.pdf');
      await page.pdf({ path: pdf, format: 'A4', preferCSSPageSize: true });
      await page.emulateMediaType(null);
      const text = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' });
      assert.match(text, /Klasse 8b/);
      assert.match(text, /I alt:/);
      assert.match(text, /PROGNOSE\s+for året 2030/);
      // A chart prints as a picture under the heading.
      await menu('Prognose1', 'Pyramide1');
      await menu('Filer1', 'Udskriv1');
      assert.equal(await page.$$eval('#printout img', (i) => i.length), 1);
      await menu('Rediger1', 'KopiertilKlippebordet1');
      const picture = await page.evaluate(async () => {
        let items = [];
        for (let i = 0; i < 500 && !items.some((it) => it.types.includes('image/png')); ++i) {
          await new Promise((r) => setTimeout(r, 20));
          items = await navigator.clipboard.read();
        }
        const blob = await items[0].getType('image/png');
        const bitmap = await createImageBitmap(blob);
        return [bitmap.width, bitmap.height];
      });
      const area = await page.evaluate(() => { const a = window.lysvandre.windows.Form3.area; return [a.width, a.height]; });
      assert.deepEqual(picture, [area[0], area[1] + 80]);
      // Ctrl+P prints as "Udskriv" does.
      const printed = await page.evaluate(() => window.printed);
      await key('Control+p');
      assert.equal(await page.evaluate(() => window.printed), printed + 1);
      // A browser that refuses the clipboard gets a message box, not silence.
      await page.evaluate(() => { window.savedWrite = navigator.clipboard.write; navigator.clipboard.write = () => Promise.reject(new Error('refused')); });
      await menu('Rediger1', 'KopiertilKlippebordet1');
      await page.waitForSelector('#MessageBox');
      assert.deepEqual(await message(), { caption: 'Fejl', text: 'Klippebordet kan ikke bruges i denne browser.' });
      await key('Enter');
      await page.evaluate(() => { navigator.clipboard.write = window.savedWrite; });
    });

    await t.test('Fortsæt and the model window', async () => {
      await menu('Prognose1', 'Fortst1');
      assert.ok(await visible('BtnBottomDlg'));
      assert.equal(await value(name('Edit3', '#BtnBottomDlg')), '2031');
      await key('Enter');
      assert.match(await page.$eval(name('Memo2', '#Form3'), (e) => e.textContent), /for året 2031/);
      await page.click(name('SpeedButton6', '#Form3'));
      assert.ok(await visible('Model'));
      assert.match(await page.$eval(name('Memo1', '#Model'), (e) => e.textContent), /Børnetal pr\. familie +: 1[.,]80\n/);
      await shot('08-model');
      await key('Escape');
    });

    await t.test('Gem som: a table as CSV and text, a wrong type refused, a chart as a picture', async () => {
      const folder = join(shots, 'downloads');
      rmSync(folder, { recursive: true, force: true });  // a file left from before would be renamed "(1)"
      mkdirSync(folder, { recursive: true });
      const cdp = await page.createCDPSession();
      await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
      const saved = async (file) => {
        for (let i = 0; i < 500 && !existsSync(join(folder, file)); ++i) await new Promise((r) => setTimeout(r, 20));
        return readFileSync(join(folder, file), 'utf8');
      };
      const save = async (fileName, type) => {
        await key('Alt+k');
        await key('g');
        assert.ok(await visible('SaveDialog'));
        if (type) await page.select(name('ComboBox1', '#SaveDialog'), type);
        await typeInto(name('Edit1', '#SaveDialog'), fileName);
        await key('Enter');
      };
      await save('prognose', 'CSV (*.csv)');
      await saved('prognose.csv');
      await save('prognose.txt');
      assert.equal((await saved('prognose.txt')).split('\n')[0], 'Klasse 8b');
      // The CSV read as a Danish spreadsheet reads it, against the table as text.
      execFileSync('python3', [join(import.meta.dirname, '..', '..', 'tests', 'csv_check.py'), folder], { encoding: 'utf8' });
      await save('prognose.png');
      assert.deepEqual(await message(), { caption: 'Gem som', text: 'En tabel kan gemmes som tekst (.txt) eller CSV (.csv).' });
      await key('Enter');
      await menu('Prognose1', 'Pyramide1');
      await save('pyramide.png', 'PNG-billede (*.png)');
      for (let i = 0; i < 500 && !existsSync(join(folder, 'pyramide.png')); ++i) await new Promise((r) => setTimeout(r, 20));
      assert.ok(statSync(join(folder, 'pyramide.png')).size > 1000);
      await menu('Prognose1', 'Tabel2');
    });

    await t.test('age groups beside the censuses; the projection stays', async () => {
      const before = await page.evaluate(() => window.lysvandre.tableLines());
      await page.click(name('Aldersgrupper1'));
      assert.ok(await visible('BtnBottomDlg1'));
      const dlg = (n) => name(n, '#BtnBottomDlg1');
      await page.type(dlg('Edit1'), '20x..6a4');
      assert.equal(await value(dlg('Edit1')), '20..64');
      await page.type(dlg('Edit2'), '2050');
      await page.click(dlg('SpeedButton5'));
      const census = await page.$eval(dlg('Memo2'), (e) => e.textContent.split('\n'));
      const projected = await page.$eval(dlg('Memo1'), (e) => e.textContent.split('\n'));
      assert.equal(census.length, 3 + 17);
      assert.equal(projected.length, 5);  // a blank, the base year, 2031, a blank, 2050
      assert.match(projected[1], /^2008 {2}20\.\.64/);
      await shot('09-age-groups');
      await page.click(dlg('SpeedButton1'));
      assert.match(await page.$eval('#printout', (e) => e.textContent), /^Klasse 8b\n \n \n Aldersinterval: {2}20\.\.64\n/);
      await page.click(dlg('SpeedButton3'));
      await page.waitForFunction(async () => (await navigator.clipboard.readText()).includes('Fremskrevne data: '));
      await key('Escape');
      assert.ok(!(await visible('BtnBottomDlg1')));
      assert.deepEqual(await page.evaluate(() => window.lysvandre.tableLines()), before);
    });

    await t.test('lifetime: one and two persons, tables, graph and cursor, the age check', async () => {
      await key('Alt+l');
      await key('Enter');  // Én person
      assert.ok(await visible('Form2'));
      const f = (n) => name(n, '#Form2');
      await page.type(f('Edit1'), '1a23');
      assert.equal(await value(f('Edit1')), '123');
      await key('Enter');  // on to the sex: the age is refused on leaving
      assert.deepEqual(await message(), { caption: 'Fejl', text: 'Alderen kan højst være 99 år. ' });
      await key('Enter');
      assert.equal(await value(f('Edit1')), '');
      await page.type(f('Edit1'), '45');
      await key('Enter');
      await page.type(f('Edit2'), 'xk');
      assert.equal(await value(f('Edit2')), 'k');
      await key('Enter');
      await key('Enter');  // OK
      const lines = await page.evaluate(() => window.lysvandre.tableLines());
      assert.equal(lines[0], ' Levetidstabel');
      assert.match(lines[lines.length - 1], /Kvinde/);
      await shot('13-lifetime-one');
      await menu('Levetid1', 'Graf1');
      const box = await page.$eval(f('PaintBox1'), (c) => { const r = c.getBoundingClientRect(); return [r.left, r.top]; });
      await page.mouse.click(box[0] + 300, box[1] + 200);
      await shot('14-lifetime-graph');
      await menu('Levetid1', 'Topersoner1');
      await page.type(f('Edit1'), '45');
      await page.type(f('Edit2'), 'm');
      await page.type(f('Edit3'), '0');
      await page.type(f('Edit4'), 'K');
      await page.click(f('Button1'));
      assert.match(await page.$eval(f('Label7'), (e) => e.textContent), /Chance for at A overlever B/);
      assert.equal(await page.$$eval(f('StringGrid1') + ' thead tr', (r) => r.length), 2);
      await shot('15-lifetime-two-table');
      await menu('Levetid1', 'Graf1');
      // The one-person graph's cursor at x 300 went with its picture.
      const stray = await page.$eval(f('PaintBox1'), (c) => {
        const scale = c.width / c.clientWidth;
        return Array.from(c.getContext('2d').getImageData(Math.round(300 * scale), Math.round(200 * scale), 1, 1).data);
      });
      assert.deepEqual(stray.slice(0, 3), [255, 255, 255]);
      await page.mouse.click(box[0] + 350, box[1] + 300);
      await shot('16-lifetime-two-graph');
      // Udskriv now prints the lifetime view, whatever else is visible:
      // the graph on show as a picture, the table as text.
      await menu('Filer1', 'Udskriv1');
      assert.equal(await page.$$eval('#printout img', (i) => i.length), 1);
      await menu('Levetid1', 'Tabel1');
      await menu('Filer1', 'Udskriv1');
      assert.match(await page.$eval('#printout', (e) => e.textContent), /Levetidstabel/);
    });

    await t.test('census, its charts and the historical tables', async () => {
      await key('Alt+t');
      await key('Enter');
      assert.ok(await visible('Form8'));
      await shot('10-census-chooser');
      await clickYear(name('Memo1', '#Form8'), '1840');
      assert.equal(await value(name('Edit1', '#Form8')), '1840');
      await page.click(name('Edit1', '#Form8'), { clickCount: 3 });
      await key('Backspace');
      const okDisabled = () => page.$eval(name('BitBtn1', '#Form8'), (b) => b.disabled);
      await page.type(name('Edit1', '#Form8'), '19x0');
      assert.equal(await value(name('Edit1', '#Form8')), '190');
      assert.equal(await okDisabled(), true);
      await page.type(name('Edit1', '#Form8'), '1');
      assert.equal(await okDisabled(), false);
      await key('Enter');
      assert.ok(await visible('Form4'));
      assert.ok(!(await visible('Form3')));
      assert.equal(await page.$eval(name('Tabel2'), (e) => e.getAttribute('aria-disabled')), 'true');
      await shot('11-census-table');
      await menu('Folketllinger1', 'Pyramide2');
      await shot('12-census-pyramid');
      // Another census outlined over this one, chosen in the census chooser.
      await menu('Ekstra1');
      assert.equal(await page.$eval(name('Sammenlign1'), (e) => e.getAttribute('aria-label')), 'Sammenlign med folketælling …');
      assert.equal(await page.$eval(name('Sammenlignfolketlling1'), (e) => e.hidden), true);
      await page.click(name('Sammenlign1'));
      assert.ok(await visible('Form8'));
      await page.type(name('Edit1', '#Form8'), '1801');
      await key('Enter');
      assert.equal(await page.evaluate(() => window.lysvandre.windows.Form4.area.chart.compared()), true);
      assert.equal(await page.evaluate(() => window.lysvandre.state('TargetYear')), 1901);
      await shot('12b-census-compared');
      for (const item of ['Middellevetid1', 'Ddelighed1', 'Fertilitet1']) {
        await menu('Folketllinger1', 'Historiskedata1', item);
        const lines = await page.evaluate(() => window.lysvandre.tableLines());
        assert.ok(lines.length > 3, item);
        await shot('13-' + item);
      }
      // Escape cancels the chooser.
      await key('Alt+t');
      await key('Enter');
      await key('Escape');
      assert.ok(!(await visible('Form8')));
    });

    await t.test('base-year chooser: a click on a year, Enter', async () => {
      await menu('Prognose1', 'Basisr1');
      await shot('17-base-year');
      assert.ok(await visible('Form7'));
      await clickYear(name('Memo1', '#Form7'), '1990');
      assert.equal(await value(name('Edit1', '#Form7')), '1990');
      await key('Enter');
      assert.ok(!(await visible('Form7')));
      assert.equal(await page.evaluate(() => window.lysvandre.state('BaseYear')), 1990);
      await key('Alt+p');
      await key('Enter');
      assert.match(await page.$eval(name('Label3', '#BtnBottomDlg'), (e) => e.textContent), /Årstal \(1990 \.\. 2100\)/);
      await key('Escape');
      assert.equal(await page.$eval(name('Tabel2'), (e) => e.getAttribute('aria-disabled')), 'true');
    });

    await t.test('every control has an accessible name', async () => {
      const unnamed = await page.evaluate(() => {
        const roots = [document.getElementById('Form1'), ...Object.values(window.lysvandre.windows).map((w) => w.root)];
        const controls = roots.flatMap((r) => [...r.querySelectorAll('input, button, canvas, pre, [role=menuitem]')]);
        return controls.filter((c) => !(c.getAttribute('aria-label') ?? '').trim()).map((c) => c.dataset.name ?? c.outerHTML.slice(0, 60));
      });
      assert.deepEqual(unnamed, []);
    });

    await t.test('Afslut ends the program', async () => {
      await key('Alt+f');
      await key('a');
      assert.equal(await page.$eval('body', (b) => b.textContent.trim()), 'Lysvandre er afsluttet.');
    });

    await t.test('nothing went wrong on the way', async () => {
      assert.deepEqual(problems, []);
      const outside = server.requests.filter((r) => !r.startsWith('/'));
      assert.deepEqual(outside, []);
      const site = process.env.SITE;
      speeds['script plus core (KB)'] = (statSync(join(site, 'app.js')).size + statSync(join(site, 'core.js')).size) / 1024;
    });
  } finally {
    const rounded = Object.fromEntries(Object.entries(speeds).map(([k, v]) => [k, Math.round(v * 100) / 100]));
    console.log('speeds:', JSON.stringify(rounded, null, 1));
    writeFileSync(join(shots, 'speeds.json'), JSON.stringify(rounded, null, 1));
    await browser.close();
    await server.close();
  }
});
