// Installing and working offline need a web server; from a file the page
// simply runs (a browser refuses manifests and workers there). When a new
// version's worker takes over a page that an older one served, the page
// says so: the next load shows the new version.
import { el } from './ui';

export const NewVersionText = 'En ny version er klar – genindlæs';

export function registerOfflineWorker(): void {
  if (!location.protocol.startsWith('http')) return;
  document.head.append(el('link', { rel: 'manifest', href: 'manifest.webmanifest' }));
  if (!('serviceWorker' in navigator)) return;
  const servedByOld = navigator.serviceWorker.controller !== null;
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (servedByOld) showNewVersionLine();
  });
  navigator.serviceWorker.register('sw.js').catch(() => undefined);
}

function showNewVersionLine(): void {
  if (document.querySelector('[data-name="NewVersion"]')) return;
  const link = el('button', { type: 'button', class: 'newversion', 'data-name': 'NewVersion', text: NewVersionText });
  link.addEventListener('click', () => location.reload());
  const line = el('div', { class: 'newversionline', role: 'status' }, link);
  document.body.append(line);
}
