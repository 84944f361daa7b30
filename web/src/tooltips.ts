// A tool button tells its meaning on a touch screen too: a long press shows
// its tooltip (the hover text) and does not run the button.
import { el } from './ui';

const LongPressMs = 500;

export function showToolTipsOnLongPress(): void {
  let timer = 0;
  let swallowClick: HTMLElement | null = null;
  const tip = el('div', { class: 'tooltip', role: 'tooltip', 'data-name': 'ToolTip', hidden: true });
  document.body.append(tip);
  const cancel = (): void => { window.clearTimeout(timer); timer = 0; };
  document.addEventListener('pointerdown', (ev) => {
    tip.hidden = true;
    const b = (ev.target as Element | null)?.closest<HTMLElement>('.tool[title]');
    if (!b || ev.pointerType !== 'touch') return;
    cancel();
    timer = window.setTimeout(() => {
      timer = 0;
      const r = b.getBoundingClientRect();
      tip.textContent = b.title;
      tip.hidden = false;
      tip.style.left = Math.max(0, Math.min(r.left, window.innerWidth - tip.offsetWidth - 4)) + 'px';
      tip.style.top = r.bottom + 4 + 'px';
      swallowClick = b;
    }, LongPressMs);
  }, true);
  for (const type of ['pointerup', 'pointercancel', 'scroll'] as const) document.addEventListener(type, cancel, true);
  document.addEventListener('contextmenu', (ev) => {
    // A long press would also open the browser's menu over the tip.
    if ((ev.target as Element | null)?.closest('.tool[title]')) ev.preventDefault();
  }, true);
  document.addEventListener('click', (ev) => {
    if (swallowClick && swallowClick.contains(ev.target as Node)) { ev.preventDefault(); ev.stopPropagation(); }
    swallowClick = null;
  }, true);
}
