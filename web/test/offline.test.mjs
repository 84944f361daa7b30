// Served over http, the page keeps working offline once it has been opened
// (its service worker holds the whole folder); opened from a file it needs
// nothing else at all.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { launch, openPage, serve } from './browser.mjs';

test('works offline after the first visit, and from a file', async () => {
  const server = await serve(process.env.SITE);
  const browser = await launch();
  try {
    const { page, problems } = await openPage(browser, server.url);
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      if (!navigator.serviceWorker.controller)
        await new Promise((r) => navigator.serviceWorker.addEventListener('controllerchange', r, { once: true }));
    });
    await page.setOfflineMode(true);
    await server.close();
    await page.reload();
    await page.waitForFunction(() => document.body.dataset.ready === 'true', { timeout: 10000 });
    assert.equal(await page.evaluate(() => window.lysvandre.tableLines().length), 0);
    assert.deepEqual(problems, []);

    const local = await openPage(browser, 'file://' + join(process.env.SITE, 'index.html'));
    // The chart font comes from the folder too.
    assert.equal(await local.page.evaluate(async () => (await document.fonts.load('bold 13px "Liberation Mono"')).length), 1);
    assert.deepEqual(local.problems, []);
  } finally {
    await browser.close();
  }
});
