// The compiled core under node: every bad argument the page could pass is
// refused at once with a RangeError naming it, changes nothing, and leaves
// the core working (a count of 2^31-1 used to grow the module to 2 GB, a
// target year of 10^9 to run for minutes).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { join } from 'node:path';

const site = process.env.SITE ?? new URL('../../build-web/site', import.meta.url).pathname;
const core = await createRequire(import.meta.url)(join(site, 'core.js'))();
core.loadAllData();

const noop = () => 0;
const canvas = Object.fromEntries(['textOut', 'textWidth', 'textHeight', 'moveTo', 'lineTo', 'setPenColor',
  'setTextColor', 'setInvert', 'fillRect', 'setFont', 'setFontPointSize'].map((m) => [m, noop]));
const surface = { ...canvas, setScrollRanges: noop, verticalScrollPos: noop, showCanvas: noop, invalidate: noop };

// A projection from 2000 to 2030 in force, as the page makes one.
function project() {
  core.listBaseYears();
  core.setBaseYear(2000);
  core.checkProjectionInputs('1.8', '2030', '65');
  core.setUpProjection();
  core.runProjection();
  core.computeGroupTotals();
}

const bad = [
  ['a historical line count of 2^31-1', (c) => c.ageGroupPrintLines('0..4', [], [], 2 ** 31 - 1), /historical line count/],
  ['a negative historical line count', (c) => c.ageGroupPrintLines('0..4', [], [], -1), /historical line count/],
  ['a target year of 10^9 to list', (c) => c.projectedIntervalLines([1e9]), /target years must be a whole number from 2000 to 2100/],
  ['a target year before the base year', (c) => c.projectedIntervalLines([1999]), /target years/],
  ['more target years than the list holds', (c) => c.projectedIntervalLines(new Array(101).fill(2001)), /at most 100/],
  ['target years that are no array', (c) => c.projectedIntervalLines('2001'), /must be an array/],
  ['an age interval past 99', (c) => { c.enterAgeInterval('0..500'); return c.censusIntervalLines(); }, /age interval/],
  ['a base year of 1.5', (c) => c.setBaseYear(1.5), /base year must be a whole number/],
  ['a base year past 32 bits', (c) => c.setBaseYear(2 ** 32 + 2000), /base year/],
  ['a base year that is no number', (c) => c.setBaseYear(NaN), /base year/],
  ['a display mode the core has not', (c) => c.setDisplayMode(5), /none of the core's DisplayModes/],
  ['a table as chart mode', (c) => c.makeProjectionChart(1), /chart mode/],
  ['years to project past 2100', (c) => c.setYearsToProject(1e9), /years to project/],
  ['a projection to the year 10^9', (c) => { c.setTargetYear(1e9); return c.runProjection(); }, /target year from it to 2100/],
  ['a net migration out of range', (c) => c.setNetMigration(300000), /net migration/],
  ['a third person', (c) => c.setLifetimeAge(3, 40), /person/],
  ['an age past 100', (c) => c.setLifetimeAge(1, 101), /age/],
  ['three persons', (c) => c.setLifetimePersonCount(3), /person count/],
  ['a cursor step of 0', (c) => c.lifetimeCursorXAfterStep(0), /cursor step/],
  ['an input error the dialog has not', (c) => c.projectionInputMessage(7), /input error/],
  ['a drawn year past the list', (c) => c.baseYearAtClick(0, 0, [{ entry: 99, left: 0, top: 0, right: 1, bottom: 1 }], false), /entry/],
  ['drawn years that are no array', (c) => c.censusYearAtClick(0, 0, 'x'), /must be an array/],
  ['a click far off', (c) => c.censusYearAtClick(1e9, 0, []), /x must be/],
  ['lines that are not texts', (c) => c.headedLines('', [1, 2]), /texts only/],
  ['copy lines that are no array', (c) => c.ageGroupCopyLines({}, []), /must be an array/],
  ['an unknown set of keys', (c) => c.filterKey('hex', 'a'), /unknown set of keys/],
  ['a canvas without methods', (c) => c.drawLifetimeGraph({}, 'screen', 10, 10), /canvas has no method/],
  ['a graph 10^9 pixels wide', (c) => c.drawLifetimeGraph(canvas, 'screen', 1e9, 10), /width/],
  ['an unknown kind of canvas', (c) => c.drawLifetimeGraph(canvas, 'plotter', 10, 10), /screen/],
  ['an unknown historical table', (c) => c.setHistoricalTable('births'), /historical tables/],
  ['an unknown decimal separator', (c) => c.modelTextLines(';'), /decimal separator/],
  ['an unknown view', (c) => c.populationViewOnShow('lifetime', true), /view is/],
  ['file bytes that are no Uint8Array', (c) => c.importStatbankFile([1, 2, 3]), /Uint8Array/],
  ['an unknown kind of chart', (c) => new c.Chart('pie', surface), /kind/],
  ['a chart surface without methods', (c) => new c.Chart('census', {}), /chart surface/],
  ['a chart click far off', (c) => new c.Chart('projection', surface).mouseUp(true, 1e9, 0), /x must be/],
  ['a census table as playback', (c) => new c.Chart('projection', surface).startPlayback(11), /chart mode/],
  ['an unknown cursor key', (c) => new c.Chart('projection', surface).cursorKey('home'), /cursor key/],
  ['a census outline of year 1.5', (c) => new c.Chart('census', surface).chooseCensusOutline(1.5), /census year/],
];

test('bad arguments are refused with their reason, quickly, and change nothing', async (t) => {
  for (const [name, call, message] of bad) {
    await t.test(name, () => {
      project();
      const before = core.state();
      const started = performance.now();
      assert.throws(() => call(core), (e) => e instanceof RangeError && message.test(e.message), name);
      assert.ok(performance.now() - started < 1000, `${name}: refused in ${performance.now() - started} ms`);
      // Only a setter's own field may have been written on the way (the
      // target year in the projection row); nothing else moved.
      const after = core.state();
      for (const k of Object.keys(before)) if (k !== 'TargetYear' && k !== 'IntervalFrom' && k !== 'IntervalTo')
        assert.equal(after[k], before[k], `${name}: ${k}`);
    });
  }
});

test('after refusals the core answers as before', () => {
  project();
  assert.equal(core.tableLines().length, 0);
  core.makeProjectionTable();
  assert.equal(core.tableLines().length, 22);
  core.enterAgeInterval('0..4');
  assert.equal(core.projectedIntervalLines([2010, 2030]).length, 5);
  assert.equal(core.ageGroupPrintLines('0..4', ['a'], ['b'], 2).length, 13);
  const chart = new core.Chart('projection', surface);
  assert.equal(chart.startPlayback(core.constants().DisplayModes.ProjectionPyramid), true);
  chart.delete();
});
