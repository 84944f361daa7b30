// The page for every pupil: the keyboard's way into the menu bar and out of
// it, a tap on another menu title, number keyboards, the content security
// policy, installing, and a new version that reaches a pupil who has been
// here before.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launch, openPage, serve } from './browser.mjs';

const focused = (page) => page.evaluate(() => document.activeElement?.dataset.name ?? document.activeElement?.tagName);
const expanded = (page, n) => page.$eval(`[data-name="${n}"]`, (e) => e.getAttribute('aria-expanded'));
const modal = (page) => page.evaluate(() => !!document.querySelector('.overlay'));
const ended = (page) => page.evaluate(() => document.body.textContent.includes('Lysvandre er afsluttet.'));

test('menu bar by keyboard and by touch; fields and policy', async () => {
  const server = await serve(process.env.SITE);
  const browser = await launch();
  try {
    const { page, problems } = await openPage(browser, server.url, { width: 1024, height: 700 });
    const titles = await page.$$eval('#MainMenu1 > .topitem > .menuitem', (l) => l.map((e) => e.dataset.name));

    // A way in: Tab reaches the first title; F10 and Alt alone go there too.
    await page.keyboard.press('Tab');
    assert.equal(await focused(page), titles[0]);
    await page.keyboard.press('F10');
    assert.equal(await focused(page), 'BODY', 'F10 again leaves the menu bar');
    await page.keyboard.press('Alt');
    assert.equal(await focused(page), titles[0]);

    // Arrows go round the whole bar and run nothing, not even a command title.
    const seen = [];
    for (let i = 0; i < titles.length; ++i) { seen.push(await focused(page)); await page.keyboard.press('ArrowRight'); }
    assert.deepEqual(seen, titles);
    assert.ok(!(await modal(page)));
    await page.keyboard.press('Escape');

    // No trap: Tab closes an open menu, and a letter typed after it runs nothing.
    await page.keyboard.down('Alt'); await page.keyboard.press('f'); await page.keyboard.up('Alt');
    assert.equal(await expanded(page, 'Filer1'), 'true');
    await page.keyboard.press('Tab');
    assert.equal(await expanded(page, 'Filer1'), 'false');
    await page.keyboard.press('a');
    assert.ok(!(await ended(page)));

    // A click on another title while a menu is open opens that menu.
    await page.click('[data-name="Filer1"]');
    await page.click('[data-name="Levetid1"]');
    assert.equal(await expanded(page, 'Levetid1'), 'true');
    await page.keyboard.press('Escape');
    await page.keyboard.press('Escape');

    // Number fields ask for a number keyboard; Alt with punctuation is no key lookup.
    await page.click('[data-name="Prognose1"]');
    await page.click('[data-name="Inddata1"]');
    const modes = await page.$$eval('#BtnBottomDlg input', (l) => l.map((e) => e.dataset.name + ':' + e.inputMode));
    assert.deepEqual(modes, ['Edit1:decimal', 'Edit3:numeric', 'Edit4:numeric']);
    await page.keyboard.down('Alt'); await page.keyboard.press('Quote'); await page.keyboard.up('Alt');
    await page.keyboard.press('Escape');

    const csp = await page.$eval('meta[http-equiv="Content-Security-Policy"]', (m) => m.content);
    assert.match(csp, /default-src 'none'/);
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    await server.close();
  }
});

test('a long press on a tool button shows its meaning; installable', async () => {
  const server = await serve(process.env.SITE);
  const browser = await launch();
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 390, height: 844, hasTouch: true, isMobile: true });
    await page.goto(server.url);
    await page.waitForFunction(() => document.body.dataset.ready === 'true');
    await page.evaluate(() => { window.lysvandre.windows.Form2.showView(); window.lysvandre.windows.Form2.StartOnePerson(); });
    const tool = await page.$('#Form2 .tool:not([hidden])');
    const box = await tool.boundingBox();
    const cdp = await page.createCDPSession();
    const point = [{ x: box.x + box.width / 2, y: box.y + box.height / 2 }];
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: point });
    await new Promise((r) => setTimeout(r, 700));
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    const tip = await page.$eval('[data-name="ToolTip"]', (e) => (e.hidden ? '' : e.textContent));
    assert.equal(tip, await tool.evaluate((e) => e.title));
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors.map((e) => e.errorId), []);
  } finally {
    await browser.close();
    await server.close();
  }
});

test('a new version is in use at the second visit after it is published', async () => {
  // Version B is version A with a marker in its script and a new cache name,
  // served with the caching headers of an ordinary static server.
  const b = mkdtempSync(join(tmpdir(), 'lysvandre-b-'));
  cpSync(process.env.SITE, b, { recursive: true });
  writeFileSync(join(b, 'app.js'), readFileSync(join(b, 'app.js'), 'utf8') + '\nwindow.lysvandreBuild = "B";\n');
  writeFileSync(join(b, 'sw.js'), readFileSync(join(b, 'sw.js'), 'utf8').replace(/lysvandre-[0-9a-f]{12}/, 'lysvandre-b'));
  const server = await serve(process.env.SITE, { maxAge: 3600 });
  const browser = await launch();
  try {
    const { page } = await openPage(browser, server.url);
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      if (!navigator.serviceWorker.controller)
        await new Promise((r) => navigator.serviceWorker.addEventListener('controllerchange', r, { once: true }));
    });
    server.setFolder(b);
    const visit = async () => {
      const { page: p } = await openPage(browser, server.url);
      return p;
    };
    const first = await visit();
    await first.waitForFunction(() => document.querySelector('[data-name="NewVersion"]')?.textContent === 'En ny version er klar – genindlæs',
      { timeout: 15000 });
    const second = await visit();
    assert.equal(await second.evaluate(() => window.lysvandreBuild), 'B');
  } finally {
    await browser.close();
    await server.close();
    rmSync(b, { recursive: true, force: true });
  }
});

test('a phone: the page fits, a projection and a chart tap by touch', async () => {
  const server = await serve(process.env.SITE);
  const browser = await launch();
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 360, height: 740, hasTouch: true, isMobile: true });
    await page.goto(server.url);
    await page.waitForFunction(() => document.body.dataset.ready === 'true');
    const widths = [];
    const width = async () => widths.push(await page.evaluate(() => document.documentElement.scrollWidth));
    const tap = async (sel) => { const b = await (await page.$(sel)).boundingBox(); await page.touchscreen.tap(b.x + b.width / 2, b.y + b.height / 2); };
    await width();
    await tap('[data-name="Prognose1"]');
    await width();
    await tap('[data-name="Inddata1"]');
    await width();
    for (const [n, v] of [['Edit1', '1.8'], ['Edit3', '2030'], ['Edit4', '67']]) {
      await tap(`#BtnBottomDlg [data-name="${n}"]`);
      await page.keyboard.type(v);
    }
    await tap('#BtnBottomDlg [data-name="OKBtn"]');
    assert.ok((await page.evaluate(() => window.lysvandre.tableLines().length)) > 20);
    await width();
    await tap('#Form3 [data-name="SpeedButton2"]');  // the pyramid
    await width();
    // The chart is scaled to the screen; a tap lands on the chart pixel under it.
    const canvas = await page.$('#Form3 canvas');
    const box = await canvas.boundingBox();
    const logical = await canvas.evaluate((c) => parseFloat(c.style.width));
    assert.ok(box.width <= 360 && logical > box.width, 'the chart is scaled down');
    await page.touchscreen.tap(box.x + box.width * 0.75, box.y + box.height / 2);
    const clickX = await page.evaluate(() => window.lysvandre.state('ClickX'));
    assert.ok(Math.abs(clickX - logical * 0.75) <= 2, `ClickX ${clickX} for ${logical * 0.75}`);
    assert.deepEqual(widths.filter((w) => w > 360), []);
  } finally {
    await browser.close();
    await server.close();
  }
});

test('a link to a projection: copied, opened, and a bad one refused whole', async () => {
  const server = await serve(process.env.SITE);
  const browser = await launch();
  try {
    await browser.defaultBrowserContext().overridePermissions(server.url.replace(/\/$/, ''), ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    const { page, problems } = await openPage(browser, server.url + '#basisaar=2000&boern=1.8&aar=2030&pension=67&indvandring=-20000');
    await page.waitForFunction(() => window.lysvandre.tableLines().length > 20);
    const lines = await page.evaluate(() => window.lysvandre.tableLines());
    assert.ok(lines.some((l) => l.includes('PROGNOSE  for året 2030')) && lines.some((l) => l.includes('Basisår: 2000')));
    assert.ok(lines.some((l) => l.endsWith('Nettoindvandring pr. år:  -20000')), lines.join('\n'));
    await page.click('[data-name="Ekstra1"]');
    await page.click('[data-name="Kopierlink1"]');
    const copied = await page.evaluate(async () => {
      for (let i = 0; i < 500 && !(await navigator.clipboard.readText()); ++i) await new Promise((r) => setTimeout(r, 20));
      return navigator.clipboard.readText();
    });
    assert.equal(copied, server.url + '#basisaar=2000&boern=1.80&aar=2030&pension=67&indvandring=-20000');
    // The copied link shows the same table.
    const again = await openPage(browser, copied);
    await again.page.waitForFunction(() => window.lysvandre.tableLines().length > 20);
    assert.deepEqual(await again.page.evaluate(() => window.lysvandre.tableLines()), lines);

    for (const [hash, message] of [
      ['#basisaar=2000&boern=9&aar=2030&pension=67', 'Antal børn højst 6'],
      ['#basisaar=1999&boern=1.8&aar=2030&pension=67', 'Basisår 1999 findes ikke (1980, 1990, 2000, 2008)'],
      ['#basisaar=2000&boern=1.8&aar=2030', 'Linket mangler inddata til prognosen'],
      ['#basisaar=2000&boern=1.8&aar=2030&pension=67&indvandring=300000', 'Nettoindvandring mellem -100000 og 200000'],
      ['#basisaar=2000&boern=1.8&aar=2030&pension=67&indvandring=1000&profil=2023', 'Aldersprofil Som i 2023 findes ikke (Standardprofil)'],
    ]) {
      const bad = await openPage(browser, server.url + hash);
      await bad.page.waitForSelector('#MessageBox');
      assert.equal(await bad.page.$eval('#MessageBox .msgtext', (e) => e.textContent), message);
      const state = await bad.page.evaluate(() => [window.lysvandre.state('InputsAccepted'), window.lysvandre.state('ChildrenPerFamily'),
        window.lysvandre.state('TargetYear'), window.lysvandre.tableLines().length, window.lysvandre.state('NetMigration')]);
      assert.deepEqual(state, [false, 0, 0, 0, 0], hash);
    }
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    await server.close();
  }
});

test('by keyboard alone: a projection with its cursor, a census, the lifetime graph', async () => {
  const server = await serve(process.env.SITE);
  const browser = await launch();
  try {
    const { page, problems } = await openPage(browser, server.url);
    const press = async (...keys) => { for (const k of keys) await page.keyboard.press(k); };
    const alt = async (k) => { await page.keyboard.down('Alt'); await page.keyboard.press(k); await page.keyboard.up('Alt'); };
    const state = (n) => page.evaluate((n) => window.lysvandre.state(n), n);
    const tabTo = async (selector) => {
      for (let i = 0; i < 30; ++i) {
        if (await page.evaluate((s) => document.activeElement?.matches(s), selector)) return;
        await press('Tab');
      }
      assert.fail('Tab never reaches ' + selector);
    };
    const readout = (view) => page.$eval(`#${view} [data-name="ReadOut"]`, (e) => e.textContent);

    await alt('p');
    await press('Enter');  // Inddata
    await page.keyboard.type('1.8');
    await press('Enter');
    await page.keyboard.type('2030');
    await press('Enter');
    await page.keyboard.type('67');
    await press('Enter');
    assert.ok((await page.evaluate(() => window.lysvandre.tableLines().length)) > 20);
    await alt('p');
    await press('ArrowDown', 'ArrowDown', 'Enter');  // Pyramide
    assert.equal(await state('DisplayMode'), 2);
    await tabTo('#Form3 canvas');
    await press('ArrowUp');
    const first = await state('ClickX');
    await press('ArrowUp');
    assert.ok(first > 1 && (await state('ClickX')) !== first);
    assert.match(await readout('Form3'), /^\d+$/);

    await alt('t');
    await press('Enter');  // Inddata: the census chooser
    await page.keyboard.type('1901');
    await press('Enter');
    assert.ok((await page.evaluate(() => window.lysvandre.tableLines().join('\n'))).includes('1901'));

    await alt('l');
    await press('Enter');  // Én person
    await page.keyboard.type('45');
    await press('Enter');
    await page.keyboard.type('m');
    await press('Enter', 'Enter');
    await alt('l');
    await press('ArrowDown', 'ArrowDown', 'Enter');  // Graf
    assert.equal(await state('LifetimeGraphShown'), true);
    await tabTo('#Form2 canvas');
    await press('ArrowRight', 'ArrowRight');
    assert.ok((await state('ClickX')) > 70);
    assert.equal(await readout('Form2'), '47');
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    await server.close();
  }
});
