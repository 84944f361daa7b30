// The page as a screen reader and the keyboard meet it: no axe-core
// violation in the main states, focus that never falls to nothing, covered
// views out of reach, year lists that are lists, charts with a name and
// their figures, a lifetime table of one figure a cell, and the browser's
// own print command printing what is on show.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { launch, openPage, serve } from './browser.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

test('screen reader and keyboard', async (t) => {
  const server = await serve(process.env.SITE);
  const browser = await launch();
  const { page, problems } = await openPage(browser, server.url);
  const violations = async (state) => {
    const found = await page.evaluate(async (src) => {
      if (!window.axe) new Function(src)();
      const r = await window.axe.run(document, { resultTypes: ['violations'] });
      return r.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
    }, axeSource);
    return found.map((v) => `${state}: ${v}`);
  };
  const focused = () => page.evaluate(() => document.activeElement?.dataset.name ?? document.activeElement?.tagName);
  const w = (n) => `window.lysvandre.windows.${n}`;
  const found = [];
  try {
    found.push(...await violations('start'));
    await page.click('[data-name="Prognose1"]');
    await page.click('[data-name="Inddata1"]');
    found.push(...await violations('input dialog'));

    // A refused input: focus on the refused field, the box leaves the fields in view.
    await page.type('#BtnBottomDlg [data-name="Edit1"]', '9');
    await page.type('#BtnBottomDlg [data-name="Edit3"]', '2030');
    await page.type('#BtnBottomDlg [data-name="Edit4"]', '67');
    await page.click('#BtnBottomDlg [data-name="OKBtn"]');
    found.push(...await violations('message box'));
    const overlap = await page.evaluate(() => {
      const box = document.getElementById('MessageBox').getBoundingClientRect();
      const f = document.querySelector('#BtnBottomDlg [data-name="Edit4"]').getBoundingClientRect();
      return box.top < f.bottom && box.bottom > f.top && box.left < f.right && box.right > f.left;
    });
    assert.equal(overlap, false, 'the message box covers the fields');
    await page.keyboard.press('Enter');
    assert.equal(await focused(), 'Edit1');
    await page.keyboard.press('Backspace');
    await page.keyboard.type('1.8');
    await page.keyboard.press('Enter');
    await page.keyboard.press('Enter');
    assert.ok((await page.evaluate(() => window.lysvandre.tableLines().length)) > 20);
    assert.notEqual(await focused(), 'BODY', 'focus after OK');

    // The chart: its title as its name, the table's figures as its description.
    await page.click('#Form3 [data-name="SpeedButton2"]');
    await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
    const chart = await page.$eval('#Form3 canvas', (c) => ({
      name: c.getAttribute('aria-label'),
      rows: document.getElementById(c.getAttribute('aria-describedby')).querySelectorAll('tbody tr').length,
      first: [...document.getElementById(c.getAttribute('aria-describedby')).querySelectorAll('tbody tr')[0].cells].map((x) => x.textContent),
    }));
    assert.match(chart.name, /PROGNOSE/);
    assert.equal(chart.rows, 21);  // twenty groups and "I alt"
    assert.deepEqual(chart.first, ['0-4', '144000', '136000']);
    const box = await (await page.$('#Form3 canvas')).boundingBox();
    await page.mouse.click(box.x + 400, box.y + 200);
    assert.notEqual(await page.$eval('#Form3 [data-name="ReadOut"]', (e) => e.textContent), '');
    found.push(...await violations('pyramid'));

    // The browser's own print command prints the chart on show.
    await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
    assert.equal(await page.$eval('#printout', (e) => e.querySelector('img.printchart') !== null), true);
    await page.evaluate(() => window.dispatchEvent(new Event('afterprint')));

    // The base-year chooser is a list box: arrows pick a year, Enter chooses.
    await page.click('[data-name="Prognose1"]');
    await page.click('[data-name="Basisr1"]');
    found.push(...await violations('base-year chooser'));
    await page.focus('#Form7 [data-name="Memo1"]');
    await page.keyboard.press('Home');
    await page.keyboard.press('ArrowDown');
    assert.equal(await page.$eval('#Form7 [data-name="Edit1"]', (e) => e.value), '1990');
    assert.equal(await page.$eval('#Form7 [role="option"][aria-selected="true"]', (e) => e.textContent), '1990');
    await page.keyboard.press('Enter');
    assert.equal(await page.evaluate(() => window.lysvandre.state('BaseYear')), 1990);
    assert.notEqual(await focused(), 'BODY', 'focus after the chooser');

    // A covered view is inert; the lifetime table has one figure a cell.
    await page.evaluate((w) => { eval(w).showView(); eval(w).StartTwoPersons(); }, w('Form2'));
    assert.equal(await page.$eval('#Form3', (e) => e.inert), true);
    for (const [n, v] of [['Edit1', '45'], ['Edit2', 'm'], ['Edit3', '40'], ['Edit4', 'k']]) await page.type(`#Form2 [data-name="${n}"]`, v);
    await page.click('#Form2 [data-name="Button1"]');
    const cells = await page.$eval('#Form2 [data-name="FigureTable"]', (tb) => ({
      head: [...tb.tHead.rows[0].cells].map((c) => c.textContent),
      first: [...tb.tBodies[0].rows[0].cells].map((c) => c.textContent),
    }));
    assert.deepEqual(cells, { head: ['Alder A', 'Alder B', 'Chance A', 'Chance B'], first: ['46', '41', '99.7%', '99.9%'] });
    found.push(...await violations('lifetime table'));

    // The Model window and About begin on their content or OK, never the cross.
    await page.click('[data-name="Hjlp1"]');
    await page.click('[data-name="Omprogrammet1"]');
    assert.notEqual(await focused(), undefined);
    assert.equal(await page.evaluate(() => document.activeElement.classList.contains('closebox')), false);
    found.push(...await violations('About'));
    await page.keyboard.press('Escape');
    assert.notEqual(await focused(), 'BODY', 'focus after About');

    assert.deepEqual(found, []);
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    await server.close();
  }
});

// Every dialog and view the menus reach: no axe-core violation while it is
// open, and focus on a control (never the page) when it is open and after it
// closes by its key.
test('every dialog and view for a screen reader', async () => {
  const server = await serve(process.env.SITE);
  const browser = await launch();
  const { page, problems } = await openPage(browser, server.url);
  const menu = async (...names) => { for (const n of names) await page.click(`[data-name="${n}"]`); };
  const focused = () => page.evaluate(() => {
    const e = document.activeElement;
    return !e || e === document.body ? 'page' : e.dataset.name ?? e.tagName;
  });
  const states = [
    ['projection table', async () => {
      await menu('Prognose1', 'Inddata1');
      for (const [n, v] of [['Edit1', '1.8'], ['Edit3', '2030'], ['Edit4', '67']]) await page.type(`#BtnBottomDlg [data-name="${n}"]`, v);
      await page.keyboard.press('Enter');
    }],
    ['total graph', () => menu('Prognose1', 'Ialtgraf1')],
    ['model window', () => page.click('#Form3 [data-name="SpeedButton6"]'), 'Escape'],
    ['heading dialog', () => page.click('#Form3 [data-name="SpeedButton8"]'), 'Escape'],
    ['save dialog', () => menu('Ekstra1', 'Gemsom1'), 'Escape'],
    ['migration dialog', () => menu('Ekstra1', 'Indvandring1'), 'Escape'],
    ['model window with net migration', async () => {
      await menu('Ekstra1', 'Indvandring1');
      await page.click('#MigrationDlg [data-name="Edit1"]', { clickCount: 3 });
      await page.type('#MigrationDlg [data-name="Edit1"]', '30000');
      await page.click('#MigrationDlg [data-name="OKBtn"]');
      await page.click('#Form3 [data-name="SpeedButton6"]');
      const memo = await page.$eval('#Model [data-name="Memo1"]', (e) => [e.scrollWidth, e.clientWidth, e.textContent]);
      assert.match(memo[2], /Aldersprofil +: Standardprofil/);
      assert.ok(memo[0] <= memo[1], `the model text is cut: ${memo[0]} > ${memo[1]}`);
    }, 'Escape'],
    ['age-group dialog', () => menu('Aldersgrupper1'), 'Escape'],
    ['census chooser', () => menu('Folketllinger1', 'Inddata2')],
    ['census table', async () => { await page.type('#Form8 [data-name="Edit1"]', '1901'); await page.keyboard.press('Enter'); }],
    ['census pyramid', () => menu('Folketllinger1', 'Pyramide2')],
    ['historical table', () => menu('Folketllinger1', 'Historiskedata1', 'Ddelighed1')],
    ['one-person lifetime', async () => {
      await menu('Levetid1', 'enPerson');
      for (const [n, v] of [['Edit1', '45'], ['Edit2', 'm']]) await page.type(`#Form2 [data-name="${n}"]`, v);
      await page.click('#Form2 [data-name="Button1"]');
    }],
    ['lifetime graph', () => menu('Levetid1', 'Graf1')],
    ['guide', () => menu('Hjlp1', 'Vejledning1'), 'Escape'],
  ];
  const found = [];
  try {
    for (const [state, open, closeKey] of states) {
      await open();
      await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
      const violations = await page.evaluate(async (src) => {
        if (!window.axe) new Function(src)();
        const r = await window.axe.run(document, { resultTypes: ['violations'] });
        return r.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
      }, axeSource);
      found.push(...violations.map((v) => `${state}: ${v}`));
      if ((await focused()) === 'page') found.push(`${state}: focus on the page`);
      if (closeKey) {
        await page.keyboard.press(closeKey);
        if ((await focused()) === 'page') found.push(`${state}: focus on the page after ${closeKey}`);
      }
    }
    assert.deepEqual(found, []);
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    await server.close();
  }
});
