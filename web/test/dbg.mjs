import { launch, openPage, serve } from './browser.mjs';
const server = await serve('/tmp/comb/site');
const browser = await launch();
for (let i = 0; i < 4; ++i) {
  const { page } = await openPage(browser, server.url);
  console.log(await page.evaluate(() => JSON.stringify({ ...window.lysvandre.timing, dcl: performance.getEntriesByType('navigation')[0].domContentLoadedEventEnd, res: performance.getEntriesByType('resource').map(r => r.name.split('/').pop() + ':' + Math.round(r.responseEnd)).join(' ') })));
  await page.close();
}
await browser.close(); await server.close();
