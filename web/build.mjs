// Assembles the static folder build-web/site from the compiled core, the
// bundled TypeScript front end and the resources. Usage:
//   node web/build.mjs <core.js> <out dir>
import { build } from 'esbuild';
import { copyFileSync, mkdirSync, readFileSync, writeFileSync, rmSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { createHash } from 'node:crypto';

const here = dirname(fileURLToPath(import.meta.url));
const root = join(here, '..');
const [coreJs, out] = process.argv.slice(2);
if (!coreJs || !out) {
  console.error('usage: node web/build.mjs <core.js> <out dir>');
  process.exit(2);
}

rmSync(out, { recursive: true, force: true });
mkdirSync(join(out, 'fonts'), { recursive: true });

await build({
  entryPoints: [join(here, 'src/main.ts')],
  bundle: true,
  format: 'iife',
  target: 'es2020',
  minify: true,
  charset: 'utf8',
  outfile: join(out, 'app.js'),
  logLevel: 'warning',
});
copyFileSync(coreJs, join(out, 'core.js'));
copyFileSync(join(here, 'static/index.html'), join(out, 'index.html'));
copyFileSync(join(here, 'static/style.css'), join(out, 'style.css'));
copyFileSync(join(here, 'static/manifest.webmanifest'), join(out, 'manifest.webmanifest'));

const fontDir = '/usr/share/fonts/truetype/liberation2';
for (const f of ['LiberationMono-Regular.ttf', 'LiberationMono-Bold.ttf']) copyFileSync(join(fontDir, f), join(out, 'fonts', f));
copyFileSync('/usr/share/doc/fonts-liberation2/copyright', join(out, 'fonts', 'OFL.txt'));
for (const f of ['start.jpg', 'lysvandre-32.png', 'lysvandre-64.png', 'lysvandre-128.png'])
  copyFileSync(join(root, 'resources', f), join(out, f));
// The larger icons an installed page needs (one of them maskable: the picture
// inside the safe circle), made from the 128-pixel icon pixel for pixel.
const icons = ['lysvandre-192.png', 'lysvandre-512.png', 'lysvandre-maskable-512.png'];
mkdirSync(join(out, 'icons'), { recursive: true });
for (const f of icons) copyFileSync(join(here, 'static/icons', f), join(out, 'icons', f));

// The service worker caches the whole folder; its cache name follows the
// content so that a new build replaces the old files.
const files = ['./', 'index.html', 'app.js', 'core.js', 'style.css', 'manifest.webmanifest',
  'fonts/LiberationMono-Regular.ttf', 'fonts/LiberationMono-Bold.ttf', 'fonts/OFL.txt',
  'start.jpg', 'lysvandre-32.png', 'lysvandre-64.png', 'lysvandre-128.png', ...icons.map((f) => 'icons/' + f)];
const hash = createHash('sha256');
for (const f of files.slice(1)) hash.update(readFileSync(join(out, f)));
const sw = readFileSync(join(here, 'static/sw.js'), 'utf8')
  .replace('__CACHE__', 'lysvandre-' + hash.digest('hex').slice(0, 12))
  .replace('__FILES__', JSON.stringify(files));
writeFileSync(join(out, 'sw.js'), sw);
