// Shared by the browser tests: a static server for build-web/site that
// records every request, and the system's Chromium, headless, with a fresh
// profile and nothing that talks to the outside.
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { extname, join, normalize, resolve } from 'node:path';
import { tmpdir } from 'node:os';
import { gzipSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css',
  '.png': 'image/png', '.jpg': 'image/jpeg', '.ttf': 'font/ttf', '.txt': 'text/plain; charset=utf-8',
  '.webmanifest': 'application/manifest+json',
};

// `maxAge` sends the caching headers an ordinary static server sends, `gzip`
// compresses texts as one does; `setFolder` puts another version of the site
// on the same address.
export async function serve(folder, { maxAge = 0, gzip = false } = {}) {
  let dir = resolve(folder);
  const requests = [];
  const server = createServer((req, res) => {
    requests.push(req.url);
    const path = normalize(join(dir, decodeURIComponent(new URL(req.url, 'http://x').pathname)));
    let file = path.startsWith(dir) ? path : null;
    try { if (file && statSync(file).isDirectory()) file = join(file, 'index.html'); } catch { file = null; }
    try {
      let body = readFileSync(file);
      const headers = { 'content-type': types[extname(file)] ?? 'application/octet-stream' };
      if (maxAge) headers['cache-control'] = `max-age=${maxAge}`;
      if (gzip && /text|javascript|json|ttf/.test(headers['content-type']) && /gzip/.test(req.headers['accept-encoding'] ?? '')) {
        body = gzipSync(body, { level: 9 });
        headers['content-encoding'] = 'gzip';
      }
      res.writeHead(200, headers);
      res.end(body);
    } catch {
      res.writeHead(404);
      res.end();
    }
  });
  await new Promise((ok) => server.listen(0, '127.0.0.1', ok));
  const url = `http://127.0.0.1:${server.address().port}/`;
  return { url, requests, setFolder: (f) => { dir = resolve(f); }, close: () => new Promise((ok) => server.close(ok)) };
}

export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'lysvandre-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--disable-default-apps', '--disable-extensions',
      '--font-render-hinting=none'],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => { await close(); rmSync(profile, { recursive: true, force: true }); };
  return browser;
}

// A page that records console errors and every request that leaves `origin`.
export async function openPage(browser, url, { width = 1024, height = 700 } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width, height, deviceScaleFactor: 1 });
  const problems = [];
  const origin = new URL(url).origin;
  page.on('console', (m) => { if (m.type() === 'error') problems.push('console: ' + m.text()); });
  page.on('pageerror', (e) => problems.push('page error: ' + e.message));
  page.on('request', (r) => {
    const u = r.url();
    if (!u.startsWith(origin) && !u.startsWith('data:') && !u.startsWith('blob:') && !u.startsWith('file:')) problems.push('outside request: ' + u);
  });
  await page.goto(url);
  await page.waitForFunction(() => document.body.dataset.ready === 'true');
  return { page, problems };
}
