// Runs the page scorer on the built site (build-web/site) as a phone and as a
// desktop, served the way an ordinary static server serves it (compressed
// texts, an hour's caching), and prints the four scores and the paint times.
// Usage: node tools/lighthouse/run.mjs [site folder]
import { execFile } from 'node:child_process';
import { promisify } from 'node:util';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../../web/test/browser.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const site = resolve(process.argv[2] ?? join(here, '../../build-web/site'));
const server = await serve(site, { gzip: true, maxAge: 3600 });
const out = mkdtempSync(join(tmpdir(), 'lysvandre-scores-'));
let failed = false;
try {
  for (const form of ['mobile', 'desktop']) {
    const report = join(out, form + '.json');
    // Asynchronously: the server answers from this same process.
    await promisify(execFile)(join(here, 'node_modules/.bin/lighthouse'), [server.url,
      ...(form === 'desktop' ? ['--preset=desktop'] : []),
      '--chrome-flags=--headless=new --no-sandbox', '--quiet', '--output=json', `--output-path=${report}`,
      '--only-categories=performance,accessibility,best-practices,seo'],
    { env: { ...process.env, CHROME_PATH: process.env.CHROMIUM ?? '/usr/bin/chromium' } });
    const r = JSON.parse(readFileSync(report, 'utf8'));
    const scores = Object.values(r.categories).map((c) => `${c.id} ${Math.round(c.score * 100)}`).join(', ');
    const times = ['first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time']
      .map((a) => `${a} ${r.audits[a].displayValue}`).join(', ');
    console.log(`${form}: ${scores}; ${times}`);
    if (r.runtimeError) { console.error(r.runtimeError.message); failed = true; }
  }
} finally {
  await server.close();
  if (!process.env.KEEP_REPORTS) rmSync(out, { recursive: true, force: true }); else console.log('reports in', out);
}
process.exit(failed ? 1 : 0);
