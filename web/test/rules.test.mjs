// The rules the page's windows keep themselves, at their borders: the years
// the age-group dialog adds, a refused lifetime age, and the file type "Gem
// som" offers for each kind of view.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openPage, serve } from './browser.mjs';

test('window rules at their borders', async (t) => {
  const server = await serve(process.env.SITE);
  const browser = await launch();
  const { page, problems } = await openPage(browser, server.url);
  const name = (n, within) => `${within} [data-name="${n}"]`;
  try {
    await t.test('age groups: years after the base year and before 2100 are added, at most 100 listed', async () => {
      const listed = await page.evaluate(() => {
        const L = window.lysvandre, c = L.core, d = L.windows.BtnBottomDlg1;
        // The years listed after typing these years, one at a time, into a
        // dialog opened over a projection from 1980 to 1990.
        // "Slet alt" after typing forgets the added years, not the opening one.
        const list = (typed, clear = false) => {
          c.listBaseYears();
          c.setBaseYear(1980); c.checkProjectionInputs('1.8', '1990', '65');
          c.setUpProjection(); c.setYearsToProject(10); c.runProjection();
          void d.show();
          d.Edit1.value = '0..4';
          for (const year of typed) {
            d.Edit2.value = String(year);
            d.Edit2.dispatchEvent(new Event('input'));
          }
          if (clear) {
            d.tools.SpeedButton6.click();
            d.Edit1.value = '0..4';
          }
          d.ShowResult();
          const years = d.Memo1.textContent.split('\n').map((l) => l.slice(0, 4)).filter((y) => /^\d{4}$/.test(y));
          d.close();
          return years.join(' ');
        };
        const all = [];
        for (let year = 1980; year <= 2099; ++year) all.push(year);
        return { borders: [1979, 1980, 1981, 2099, 2100].map((y) => list([y])), all: list(all).split(' '), cleared: list([2000], true) };
      });
      assert.deepEqual(listed.borders, ['1980 1990', '1980 1990', '1980 1990 1981', '1980 1990 2099', '1980 1990']);
      assert.equal(listed.cleared, '1980 1990');
      // Full at the opening year and 98 added ones.
      assert.equal(listed.all.length, 1 + 99);
      assert.deepEqual(listed.all.slice(0, 3), ['1980', '1990', '1981']);
      assert.equal(listed.all.at(-1), '2078');
    });

    await t.test('lifetime: ages 0 to 99 are taken, others refused, and a refused age stays refused at OK', async () => {
      await page.click(name('Levetid1', ''));
      await page.click(name('enPerson', ''));
      const f = (n) => name(n, '#Form2');
      for (const [typed, refused] of [['0', false], ['99', false], ['100', true], ['120', true]]) {
        await page.click(f('Edit1'), { clickCount: 3 });
        await page.keyboard.press('Backspace');
        await page.type(f('Edit1'), typed);
        await page.click(f('Edit2'));  // leaving the field takes or refuses the age
        const message = await page.$eval('#MessageBox .msgtext', (e) => e.textContent).catch(() => null);
        assert.equal(message, refused ? 'Alderen kan højst være 99 år. ' : null, typed);
        if (refused) await page.keyboard.press('Enter');
        assert.equal(await page.evaluate(() => window.lysvandre.core.lifetimeInputs().ageA), refused ? 100 : Number(typed), typed);
      }
      await page.type(f('Edit2'), 'm');
      await page.click(f('Button1'));
      assert.deepEqual(await page.evaluate(() => window.lysvandre.core.tableLines()), []);
      assert.equal(await page.$eval(f('SpeedButton1'), (b) => b.disabled), true, 'no result to print');
    });

    await t.test('net migration: keys filtered, a number out of range named with its range', async () => {
      const d = (n) => name(n, '#MigrationDlg');
      await page.evaluate(() => { for (const n of ['Ekstra1', 'Indvandring1']) document.querySelector(`[data-name="${n}"]`).click(); });
      await page.click(d('Edit1'), { clickCount: 3 });
      await page.type(d('Edit1'), '2a0,0.001');
      assert.equal(await page.$eval(d('Edit1'), (e) => e.value), '200001');
      await page.click(d('OKBtn'));
      await page.waitForSelector('#MessageBox');
      assert.equal(await page.$eval('#MessageBox .msgtext', (e) => e.textContent), 'Nettoindvandring mellem -100000 og 200000');
      assert.equal(await page.$eval('#MessageBox', (e) => e.getAttribute('aria-label')), 'Ups');
      await page.keyboard.press('Enter');
      assert.equal(await page.evaluate(() => window.lysvandre.core.state().NetMigration), 0);
      await page.click(d('CancelBtn'));
    });

    await t.test('Gem som offers the type chosen last for the same kind of view', async () => {
      const offered = await page.evaluate(async () => {
        const L = window.lysvandre, c = L.core, f = L.windows.Form3;
        HTMLAnchorElement.prototype.click = () => {};  // no downloads
        const offers = [];
        const answers = ['CSV (*.csv)', 'PNG-billede (*.png)', 'Tekst (*.txt)', 'PNG-billede (*.png)'];
        L.windows.SaveDialog.ask = (name, types, type) => { offers.push(type); return Promise.resolve({ name: 'fil', type: answers.shift() }); };
        const save = () => {
          for (const n of ['Ekstra1', 'Gemsom1']) document.querySelector(`[data-name="${n}"]`).click();
          return new Promise((r) => setTimeout(r, 50));
        };
        c.listBaseYears();
        c.setBaseYear(2000); c.checkProjectionInputs('1.8', '2030', '65');
        c.setUpProjection(); c.setYearsToProject(30); c.runProjection(); c.computeGroupTotals();
        f.showView();
        f.ShowTable(); await save();
        f.ShowPyramid(); await save();
        f.ShowTable(); await save();
        f.ShowPyramid(); await save();
        return offers;
      });
      assert.deepEqual(offered, ['Tekst (*.txt)', 'PNG-billede (*.png)', 'CSV (*.csv)', 'PNG-billede (*.png)']);
    });
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    await server.close();
  }
});
