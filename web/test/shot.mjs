// Development helper: a screenshot of the page after some steps.
import { launch, openPage, serve } from './browser.mjs';
const [dir, out, ...steps] = process.argv.slice(2);
const server = await serve(dir);
const browser = await launch();
const { page, problems } = await openPage(browser, server.url);
for (const s of steps) {
  if (s.startsWith('click:')) await page.click(`[data-name="${s.slice(6)}"]`);
  else if (s.startsWith('key:')) {
    const keys = s.slice(4).split('+');
    for (const k of keys.slice(0, -1)) await page.keyboard.down(k);
    await page.keyboard.press(keys[keys.length - 1]);
    for (const k of keys.slice(0, -1).reverse()) await page.keyboard.up(k);
  }
  else if (s.startsWith('type:')) await page.keyboard.type(s.slice(5));
  else if (s.startsWith('eval:')) console.log(await page.evaluate(s.slice(5)));
  else if (s.startsWith('wait:')) await new Promise((r) => setTimeout(r, Number(s.slice(5))));
  else if (s.startsWith('mouse:')) { const [x, y] = s.slice(6).split(',').map(Number); await page.mouse.click(x, y); }
}
await page.screenshot({ path: out });
console.log(problems.join('\n'));
await browser.close();
await server.close();
