// The page's charts as pictures: each chart state is drawn by the page on its
// own canvas and by the native renderer (the probe, the same core built with
// g++), whose lines and fills are laid on a white picture here. Away from the
// texts, whose fonts may differ, both pictures must agree pixel for pixel:
// every bar, axis, tick, outline, curve and cursor line where the native
// renderer puts it, and nothing else.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { launch, openPage, serve } from './browser.mjs';

const probe = process.env.PROBE_BIN ?? join(process.env.PROBE ? join(process.env.PROBE, '..') : '../build-web/probe', 'probe');

// The native drawing on a white picture of the page canvas's size, and the
// places of its texts (left out of the comparison).
function reference(ops, width, height) {
  const rgb = new Uint8Array(width * height * 3).fill(255);
  const text = new Uint8Array(width * height);
  const set = (x, y, c, invert) => {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    const i = 3 * (y * width + x);
    if (invert) for (let k = 0; k < 3; ++k) rgb[i + k] = 255 - rgb[i + k];
    else [rgb[i], rgb[i + 1], rgb[i + 2]] = [(c >> 16) & 255, (c >> 8) & 255, c & 255];
  };
  for (const [kind, ...v] of ops) {
    if (kind === 'rect') {
      const [x1, y1, x2, y2, c] = v;
      for (let y = y1; y < y2; ++y) for (let x = x1; x < x2; ++x) set(x, y, c, false);
    } else if (kind === 'text') {
      // A generous box: monospaced advance 0.6 em, a line 1.3 em high.
      const [x, y, chars, px] = v;
      for (let yy = y - 2; yy < y + Math.ceil(1.3 * px) + 2; ++yy)
        for (let xx = x - 2; xx < x + Math.ceil(0.6 * px * chars) + 3; ++xx)
          if (xx >= 0 && yy >= 0 && xx < width && yy < height) text[yy * width + xx] = 1;
    } else {
      // A line has both ends; an inverting one leaves out its end point, as
      // the desktop draws it, and a line of no length then draws nothing.
      let [x0, y0, x1, y1, c, invert] = v;
      const points = [];
      const dx = Math.abs(x1 - x0), dy = -Math.abs(y1 - y0), sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
      let err = dx + dy;
      for (;;) {
        points.push([x0, y0]);
        if (x0 === x1 && y0 === y1) break;
        const e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
      }
      if (invert) points.pop();
      for (const [x, y] of points) set(x, y, c, invert);
    }
  }
  return { rgb, text };
}

// The page's chart states, each set up as its window sets it up, and the
// probe's arguments for the same state.
const cases = [
  { name: 'projection pyramid', args: ['projection', 2, 0, 0, 0, 0] },
  { name: 'projection pyramid with a cursor', args: ['projection', 2, 0, 0, 300, 200] },
  { name: 'projection total graph with a cursor', args: ['projection', 3, 0, 0, 250, 200] },
  { name: 'projection pyramid in percent over its base year', args: ['projection', 2, 1, 1, 0, 0] },
  { name: 'census 1901 total graph in percent over 1801, a cursor', args: ['census', 1901, 13, 1, 1801, 200, 150] },
  { name: 'lifetime graph of one person', args: ['lifetime', 45, 'm', -1, 'm', 0, 0, 0] },
  { name: 'lifetime graph of two persons with a cursor', args: ['lifetime', 45, 'm', 40, 'k', 0, 0, 300] },
];

// In the page: the state drawn on the view's own canvas; returns its pixels.
function drawInPage(args) {
  const L = window.lysvandre, c = L.core;
  const [kind] = args;
  let canvas, size = {};
  if (kind === 'lifetime') {
    const [, ageA, sexA, ageB, sexB, , , clickX] = args;
    const f = L.windows.Form2;
    f.showView();
    c.setLifetimePersonCount(ageB < 0 ? 1 : 2);
    c.setLifetimeAge(1, ageA);
    c.setLifetimeAge(2, ageB < 0 ? 0 : ageB);
    c.readLifetimeSexes(sexA, ageB < 0 ? '' : sexB);
    f.ShowLifetimeGraph();
    size = { width: f.root.clientWidth, height: f.root.clientHeight };
    if (clickX) f.PaintBox1MouseUp(true, clickX);
    canvas = f.PaintBox1;
  } else {
    const census = kind === 'census';
    const f = census ? L.windows.Form4 : L.windows.Form3, area = f.area;
    f.showView();
    const [mode, percent, outline, x, y] = args.slice(census ? 2 : 1);
    if (census) {
      c.setExactFigures(true);
      c.setBaseYear(args[1]);
      c.groupCensus();
      c.setTargetYear(args[1]);
    } else {
      c.listBaseYears();
      c.setBaseYear(2000); c.checkProjectionInputs('1.8', '2030', '65');
      c.setUpProjection(); c.setYearsToProject(30); c.runProjection();
    }
    c.computeGroupTotals();
    area.chart.setPercent(!!percent);
    area.chart.endComparison();
    if (outline) census ? area.chart.chooseCensusOutline(outline) : area.chart.chooseBaseYearOutline();
    if (census) f.ShowCensusChart(mode); else f.ShowChart(mode);
    if (x) area.chart.mouseUp(true, x, y);
    canvas = area.canvas;
  }
  const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  let bytes = '';
  for (let i = 0; i < data.length; i += 0x8000) bytes += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
  return { width: canvas.width, height: canvas.height, size, pixels: btoa(bytes) };
}

test('the charts are the native renderer\'s, line for line', async () => {
  const server = await serve(process.env.SITE);
  const browser = await launch();
  try {
    const { page, problems } = await openPage(browser, server.url, { width: 1000, height: 700 });
    // Every chart at the screen's own pixels; two again on a screen of twice
    // the density, where every chart pixel is 2 x 2 of the canvas's.
    const runs = [...cases.map((c) => ({ ...c, scale: 1 })), ...[cases[1], cases[6]].map((c) => ({ ...c, scale: 2 }))];
    for (const { name, args: caseArgs, scale } of runs) {
      const args = [...caseArgs];
      await page.setViewport({ width: 1000, height: 700, deviceScaleFactor: scale });
      const shown = await page.evaluate(drawInPage, args);
      const pixels = Buffer.from(shown.pixels, 'base64');
      if (args[0] === 'lifetime') { args[5] = shown.size.width; args[6] = shown.size.height; }
      const ops = JSON.parse(execFileSync(probe, ['chart', ...args.map(String)], { encoding: 'utf8' }));
      const width = shown.width / scale, height = shown.height / scale;
      const { rgb, text } = reference(ops, width, height);
      let drawn = 0, wrong = 0, first = '';
      for (let Y = 0; Y < shown.height; ++Y) {
        for (let X = 0; X < shown.width; ++X) {
          const p = Math.floor(Y / scale) * width + Math.floor(X / scale), q = 4 * (Y * shown.width + X);
          if (text[p]) continue;
          const want = [rgb[3 * p], rgb[3 * p + 1], rgb[3 * p + 2]];
          if (want.some((v) => v !== 255)) ++drawn;
          if (want.some((v, k) => v !== pixels[q + k])) {
            if (!wrong) first = `first at (${X}, ${Y}): page ${[...pixels.subarray(q, q + 3)]}, native ${want}`;
            ++wrong;
          }
        }
      }
      assert.ok(drawn > 500 * scale * scale, `${name}: the native drawing has its lines (${drawn} pixels)`);
      assert.equal(wrong, 0, `${name} at ${scale}x: ${wrong} pixels differ from the native drawing; ${first}`);
    }
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    await server.close();
  }
});
