// The chart canvas in a real browser: the inverting cursor line leaves the
// picture exactly as it was once it is removed, at any pixel density, and
// the backing store follows the density.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openPage, serve } from './browser.mjs';

const site = process.env.SITE;

const projectPyramid = () => {
  const L = window.lysvandre, c = L.core, f = L.windows.Form3;
  f.showView();
  c.listBaseYears();
  c.checkProjectionInputs('1.8', '2030', '65');
  c.setUpProjection(); c.setYearsToProject(2030 - c.state().BaseYear); c.runProjection(); c.computeGroupTotals();
  f.ShowPyramid();
};

test('cursor lines invert and erase exactly', async () => {
  const server = await serve(site);
  const browser = await launch();
  try {
    for (const scale of [1, 1.5, 2]) {
      const { page, problems } = await openPage(browser, server.url);
      await page.setViewport({ width: 1000, height: 700, deviceScaleFactor: scale });
      await page.evaluate(projectPyramid);
      const result = await page.evaluate(() => {
        const area = window.lysvandre.windows.Form3.area;
        const ctx = area.ctx, cv = area.canvas;
        const pixels = () => ctx.getImageData(0, 0, cv.width, cv.height).data;
        const before = pixels();
        const differs = (a, b) => a.some((v, i) => v !== b[i]);
        area.chart.mouseUp(true, 300, 200);
        const drawn = differs(pixels(), before);
        area.chart.mouseUp(true, 450, 200);  // moves the line: the old one is erased
        area.chart.removeCursor();
        return { drawn, restored: !differs(pixels(), before), backing: cv.width / parseFloat(cv.style.width) };
      });
      assert.ok(result.drawn, `a cursor is drawn at scale ${scale}`);
      assert.ok(result.restored, `the picture is restored at scale ${scale}`);
      assert.equal(result.backing, scale);
      assert.deepEqual(problems, []);
      await page.close();
    }
  } finally {
    await browser.close();
    await server.close();
  }
});
