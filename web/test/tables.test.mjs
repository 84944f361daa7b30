// The page's table texts, reached through its own dialogs and views, are
// the native core's character by character, for a grid of cases the native
// probe (probe.cpp) wrote to $PROBE.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { launch, openPage, serve } from './browser.mjs';

const cases = JSON.parse(readFileSync(process.env.PROBE, 'utf8'));

// Runs in the page: every case through the windows, as a user would.
async function runCases(list) {
  const w = window.lysvandre.windows;
  const type = (f, text) => { f.value = text; f.dispatchEvent(new Event('input', { bubbles: true })); };
  const out = [];
  for (const c of list) {
    if (c.kind === 'projection') {
      const [base, children, target, retirement] = c.args;
      const chosen = w.Form3.ChooseBaseYear();
      type(w.Form7.Edit1, String(base));
      w.Form7.BitBtn1.click();
      await chosen;
      const entered = w.Form3.EnterInputs();
      type(w.BtnBottomDlg.Edit1, children);
      type(w.BtnBottomDlg.Edit3, String(target));
      type(w.BtnBottomDlg.Edit4, String(retirement));
      w.BtnBottomDlg.OKBtn.click();
      await entered;
      out.push({ lines: window.lysvandre.tableLines(), memo: w.Form3.area.memo.textContent });
    } else if (c.kind === 'migration') {
      // A projection, then the net migration typed into its dialog.
      const [base, target, net] = c.args;
      const chosen = w.Form3.ChooseBaseYear();
      type(w.Form7.Edit1, String(base));
      w.Form7.BitBtn1.click();
      await chosen;
      const entered = w.Form3.EnterInputs();
      type(w.BtnBottomDlg.Edit1, '1.8');
      type(w.BtnBottomDlg.Edit3, String(target));
      type(w.BtnBottomDlg.Edit4, '67');
      w.BtnBottomDlg.OKBtn.click();
      await entered;
      const migrate = async (text) => {
        for (const n of ['Ekstra1', 'Indvandring1']) document.querySelector(`[data-name="${n}"]`).click();
        type(w.MigrationDlg.Edit1, text);
        await w.MigrationDlg.OKBtnClick();
      };
      await migrate(String(net));
      await new Promise((r) => setTimeout(r, 0));
      out.push({ lines: window.lysvandre.tableLines(), memo: w.Form3.area.memo.textContent });
      await migrate('0');
    } else if (c.kind === 'census') {
      const chosen = w.Form4.StartCensusInput();
      type(w.Form8.Edit1, String(c.args[0]));
      w.Form8.BitBtn1.click();
      await chosen;
      out.push({ lines: window.lysvandre.tableLines(), memo: w.Form4.area.memo.textContent });
    } else if (c.kind === 'interval') {
      // The age-group dialog over a projection from 2008 to 2030.
      const chosen = w.Form3.ChooseBaseYear();
      type(w.Form7.Edit1, '2008');
      w.Form7.BitBtn1.click();
      await chosen;
      const entered = w.Form3.EnterInputs();
      type(w.BtnBottomDlg.Edit1, '1.8');
      type(w.BtnBottomDlg.Edit3, '2030');
      type(w.BtnBottomDlg.Edit4, '65');
      w.BtnBottomDlg.OKBtn.click();
      await entered;
      const d = w.BtnBottomDlg1;
      const shown = w.Form3.ShowAgeGroups();
      type(d.Edit1, c.args[0]);
      for (const year of ['2050', '2099']) type(d.Edit2, year);
      d.tools.SpeedButton5.click();
      const lines = [...d.Memo2.textContent.split('\n'), '--', ...d.Memo1.textContent.split('\n')];
      d.close();
      await shown;
      out.push({ lines, memo: null });
    } else if (c.kind === 'lifetime') {
      const [ageA, sexA, ageB, sexB] = c.args;
      const two = ageB !== undefined;
      if (two) w.Form2.StartTwoPersons(); else w.Form2.StartOnePerson();
      type(w.Form2.Edit1, String(ageA));
      type(w.Form2.Edit2, sexA);
      if (two) { type(w.Form2.Edit3, String(ageB)); type(w.Form2.Edit4, sexB); }
      await w.Form2.Button1Click();
      out.push({ lines: window.lysvandre.tableLines(), memo: null });
    }
  }
  return out;
}

test('table texts equal the native core\'s', async () => {
  const server = await serve(process.env.SITE);
  const browser = await launch();
  try {
    const { page, problems } = await openPage(browser, server.url);
    const shown = await page.evaluate(runCases, cases);
    const kinds = {};
    cases.forEach((c, i) => {
      const where = `${c.kind} ${JSON.stringify(c.args)}`;
      assert.deepEqual(shown[i].lines, c.lines, where);
      // The views show the table two lines down and four blanks in.
      if (shown[i].memo !== null) assert.equal(shown[i].memo, ' \n ' + c.lines.map((l) => '\n    ' + l).join(''), where);
      kinds[c.kind] = (kinds[c.kind] ?? 0) + 1;
    });
    console.log('cases compared:', JSON.stringify(kinds));
    // A kind the probe stopped writing would pass unnoticed.
    for (const kind of ['projection', 'migration', 'census', 'interval', 'lifetime']) assert.ok(kinds[kind] > 0, kind);
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    await server.close();
  }
});
