// The Ekstra menu and what goes with it, through the page's menus: the two
// compare items in both orders, "Afspil prognose" at base year = target
// year, every table's CSV read as a Danish spreadsheet reads it, an empty
// copy leaving the clipboard alone, Fortryd in the census chooser, and the
// names "Gem som" gives its files.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, readdirSync, rmSync } from 'node:fs';
import { join } from 'node:path';
import { launch, openPage, serve } from './browser.mjs';

const shots = process.env.SHOTS ?? '/tmp/lysvandre-shots';
const folder = join(shots, 'extra-downloads');

test('the Ekstra menu in the browser', async (t) => {
  const server = await serve(process.env.SITE);
  const browser = await launch();
  await browser.defaultBrowserContext().overridePermissions(server.url.replace(/\/$/, ''),
    ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  const { page, problems } = await openPage(browser, server.url);
  rmSync(folder, { recursive: true, force: true });
  mkdirSync(folder, { recursive: true });
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });

  const name = (n, within = '') => `${within} [data-name="${n}"]`.trim();
  const menu = async (...names) => { for (const n of names) await page.click(name(n)); };
  const state = (n) => page.evaluate((n) => window.lysvandre.state(n), n);
  const attr = (n, a) => page.$eval(name(n), (e, a) => e.getAttribute(a), a);
  const visible = (id) => page.evaluate((id) => { const e = document.getElementById(id); return !!e && !e.hidden && e.offsetParent !== null; }, id);
  const typeInto = async (sel, text) => { await page.click(sel, { clickCount: 3 }); await page.keyboard.press('Backspace'); await page.type(sel, text); };
  const message = () => page.evaluate(() => {
    const box = document.getElementById('MessageBox');
    return box ? box.querySelector('.msgtext').textContent : null;
  });
  const project = async (year) => {
    await menu('Prognose1', 'Inddata1');
    const dlg = (n) => name(n, '#BtnBottomDlg');
    await typeInto(dlg('Edit1'), '1.8');
    await typeInto(dlg('Edit3'), year);
    await typeInto(dlg('Edit4'), '67');
    await page.click(dlg('OKBtn'));
    await menu('Prognose1', 'Pyramide1');
  };
  const census = async (typed, ok = true) => {
    await menu('Folketllinger1', 'Inddata2');
    await page.type(name('Edit1', '#Form8'), typed);
    await page.click(name(ok ? 'BitBtn1' : 'BitBtn2', '#Form8'));
  };
  const outline = () => page.evaluate(() => {
    const chart = window.lysvandre.windows.Form3.area.chart;
    return chart.showsOutline(true) ? 'census' : chart.showsOutline(false) ? 'base' : '';
  });
  const save = async (fileName, type) => {
    await menu('Ekstra1', 'Gemsom1');
    if (type) await page.select(name('ComboBox1', '#SaveDialog'), type);
    await typeInto(name('Edit1', '#SaveDialog'), fileName);
    await page.keyboard.press('Enter');
  };
  const downloaded = async (file) => {
    for (let i = 0; i < 500 && !existsSync(join(folder, file)); ++i) await new Promise((r) => setTimeout(r, 20));
    return existsSync(join(folder, file));
  };

  try {
    await t.test('the compare items replace each other; their check marks follow', async () => {
      await project('2030');
      await page.keyboard.press('Escape');
      for (const [item, want] of [['Sammenlign1', 'base'], ['Sammenlignfolketlling1', 'census'],
        ['Sammenlign1', 'base'], ['Sammenlign1', ''], ['Sammenlignfolketlling1', 'census'], ['Sammenlignfolketlling1', '']]) {
        await menu('Ekstra1', item);
        if (await visible('Form8')) {
          await page.type(name('Edit1', '#Form8'), '1801');
          await page.keyboard.press('Enter');
        }
        assert.equal(await outline(), want, `${item} -> ${want}`);
        await menu('Ekstra1');
        assert.equal(await attr('Sammenlign1', 'aria-checked'), String(want === 'base'));
        assert.equal(await attr('Sammenlignfolketlling1', 'aria-checked'), String(want === 'census'));
        await page.keyboard.press('Escape');
      }
      await menu('Ekstra1', 'Sammenlignfolketlling1');
      await page.type(name('Edit1', '#Form8'), '2006');
      await page.keyboard.press('Enter');
      await page.screenshot({ path: join(shots, '20-outline-2006.png') });
      await menu('Ekstra1', 'Sammenlignfolketlling1');
    });

    await t.test('Afspil prognose only past the base year', async () => {
      for (const [year, offered] of [['2008', false], ['2009', true]]) {
        await project(year);
        await menu('Ekstra1');
        assert.equal(await attr('Afspilprognose1', 'aria-disabled'), String(!offered), year);
        await page.keyboard.press('Escape');
      }
    });

    await t.test('an empty view copied leaves the clipboard alone', async () => {
      await page.evaluate(() => navigator.clipboard.writeText('elevens egen tekst'));
      await menu('Prognose1', 'Inddata1');
      await page.click(name('CancelBtn', '#BtnBottomDlg'));
      await menu('Rediger1', 'KopiertilKlippebordet1');
      await new Promise((r) => setTimeout(r, 300));
      assert.equal(await page.evaluate(() => navigator.clipboard.readText()), 'elevens egen tekst');
      assert.equal(await message(), null);
    });

    await t.test('Fortryd in the census chooser leaves the base year', async () => {
      const before = await state('BaseYear');
      await census('99999', false);
      assert.equal(await state('BaseYear'), before);
      assert.equal(await attr('Tabel3', 'aria-disabled'), 'true');
    });

    await t.test('every CSV reads as the table on show', async () => {
      const tables = [
        ['prognose', () => project('2030').then(() => menu('Prognose1', 'Tabel2'))],
        ['census1801', () => census('1801')],
        ['census2006', () => census('2006')],
        ['fertilitet', () => menu('Folketllinger1', 'Historiskedata1', 'Fertilitet1')],
        ['levetid', async () => {
          await menu('Levetid1', 'Topersoner1');
          for (const [n, v] of [['Edit1', '45'], ['Edit2', 'm'], ['Edit3', '97'], ['Edit4', 'k']]) await page.type(name(n, '#Form2'), v);
          await page.click(name('Button1', '#Form2'));
        }],
      ];
      for (const [file, show] of tables) {
        await show();
        await save(file + '.csv');
        await save(file + '.txt');
        assert.ok(await downloaded(file + '.csv') && await downloaded(file + '.txt'), file);
      }
      const out = execFileSync('python3', [join(import.meta.dirname, '..', '..', 'tests', 'csv_check.py'), folder], { encoding: 'utf8' });
      assert.match(out, /5 CSV files checked/);
    });

    await t.test('Gem som adds the type\'s suffix and refuses a name too long', async () => {
      await save('rapport.html', 'Tekst (*.txt)');
      assert.ok(await downloaded('rapport.html.txt'));
      assert.ok(!readdirSync(folder).includes('rapport.html'));
      await save('a'.repeat(252) + '.txt');
      assert.equal(await message(), 'Filnavnet er for langt: et filnavn kan højst fylde 255 byte.');
      await page.keyboard.press('Enter');
    });

    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    await server.close();
  }
});
