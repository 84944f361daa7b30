// What the three views share: a window filling the main window's client
// area, a tool bar of glyph buttons, and the chart area (a scroll box with
// the paint box and the table's text field).
import { WebCanvas, type ChartSurface } from './canvas';
import { core, type Chart } from './core';
import { el, focusHome } from './ui';

export const views: ViewWindow[] = [];
let showings = 0;

// The window on show keeps the keyboard when a dialog closes: its first
// enabled control (a field, a tool button), else its text or chart.
focusHome.find = () => {
  const front = views.find((v) => v.isFront());
  if (!front) return document.querySelector<HTMLElement>('#MainMenu1 [tabindex="0"]');
  const all = [...front.root.querySelectorAll<HTMLElement>('input, button, [tabindex="0"]')];
  return all.find((e) => !(e as HTMLButtonElement).disabled && e.offsetParent !== null) ?? null;
};

// A view lying under another one is out of reach: not in the tab order, not
// read by a screen reader.
function coverViews(): void {
  for (const v of views) v.root.inert = v.visible && !v.isFront();
}

export class ViewWindow {
  readonly root: HTMLDivElement;
  readonly toolbar: HTMLDivElement;

  constructor(id: string, label: string) {
    this.toolbar = el('div', { class: 'toolbar', 'data-name': 'Panel1', role: 'toolbar' });
    this.root = el('div', { id, class: 'view', role: 'region', 'aria-label': label, hidden: true }, this.toolbar);
    views.push(this);
  }

  private shownAt = 0;

  get visible(): boolean { return !this.root.hidden; }

  // Shows the view in front of the others.
  showView(): void {
    this.root.hidden = false;
    this.shownAt = ++showings;
    this.root.style.zIndex = String(this.shownAt);
    coverViews();
  }

  // Shown, and no other view shown over it since.
  isFront(): boolean {
    return this.visible && !views.some((v) => v !== this && v.visible && v.shownAt > this.shownAt);
  }

  hide(): void { this.root.hidden = true; coverViews(); }

  toolButton(name: string, hint: string, glyph: string, onClick: () => void): HTMLButtonElement {
    const b = el('button', { type: 'button', class: 'tool', 'data-name': name, title: hint, 'aria-label': hint },
      el('span', { class: 'glyph ' + glyph, 'aria-hidden': 'true' }));
    b.addEventListener('click', () => { if (!b.disabled) onClick(); });
    this.toolbar.append(b);
    return b;
  }

  toolGap(): void { this.toolbar.append(el('span', { class: 'toolgap' })); }
}

// The paint box inside its scroll box. Implements the core's chart surface.
export class ChartArea extends WebCanvas implements ChartSurface {
  readonly scrollBox: HTMLDivElement;
  readonly memo: HTMLPreElement;
  // What a screen reader gets of the chart: its figures as a table (the
  // chart's description) and the cursor's read-out as it moves.
  readonly figures: HTMLTableElement;
  readonly readout = el('div', { class: 'visually-hidden', 'aria-live': 'polite', 'data-name': 'ReadOut' });
  chart: Chart | null = null;
  private rangeW = 640;
  private rangeH = 420;
  private pending = false;

  constructor(kind: 'projection' | 'census') {
    // Focusable: the keyboard scrolls the chart and reaches its figures.
    const canvas = el('canvas', { 'data-name': 'PaintBox1', role: 'img', 'aria-label': 'Diagram', tabindex: '0' });
    super(canvas, 640, 420);
    this.memo = el('pre', { class: 'memo', 'data-name': 'Memo2', role: 'textbox', 'aria-readonly': 'true',
      'aria-multiline': 'true', 'aria-label': 'Tabel', tabindex: '0', hidden: true });
    this.figures = el('table', { class: 'visually-hidden', id: kind + 'Figures', 'data-name': 'ChartFigures' });
    canvas.setAttribute('aria-describedby', this.figures.id);
    this.scrollBox = el('div', { class: 'scrollbox', 'data-name': 'ScrollBox1' }, canvas, this.memo, this.figures, this.readout);
    this.scrollBox.addEventListener('scroll', () => this.invalidate());
    canvas.addEventListener('mouseup', (e) => {
      const p = this.pointAt(e);
      const before = this.drawnTexts.length;
      this.chart?.mouseUp(e.button === 0, p.x, p.y);
      this.announce(before);
    });
    // The arrow keys over the focused chart move its cursor from bar to bar.
    canvas.addEventListener('keydown', (e) => {
      const key = ({ ArrowUp: 'up', ArrowDown: 'down', ArrowLeft: 'left', ArrowRight: 'right' } as const)[e.key as 'ArrowUp'];
      if (!key || e.altKey || e.ctrlKey || e.metaKey || !this.chart) return;
      e.preventDefault();
      const before = this.drawnTexts.length;
      this.chart.cursorKey(key);
      this.announce(before);
    });
    this.chart = new core.Chart(kind, this);
    window.addEventListener('resize', () => { if (this.scrollBox.offsetParent) this.invalidate(); });
  }

  setScrollRanges(width: number, height: number): void {
    this.rangeW = Math.max(width, 0);
    this.rangeH = Math.max(height, 0);
    this.fit();
  }

  // The box fills the visible area and is never smaller than the ranges.
  private fit(): void {
    const w = Math.max(this.rangeW, this.scrollBox.clientWidth || 0, 640);
    const h = Math.max(this.rangeH, this.scrollBox.clientHeight || 0, 420);
    // A new pixel density (zoom, another screen) gets a new backing store.
    const scale = window.devicePixelRatio || 1;
    if (w !== this.width || h !== this.height || scale !== this.scale) this.resize(w, h, scale);
  }

  verticalScrollPos(): number { return Math.round(this.scrollBox.scrollTop); }
  showCanvas(): void {}

  invalidate(): void {
    if (this.pending) return;
    this.pending = true;
    requestAnimationFrame(() => { if (this.pending) this.paint(); });
  }

  // PaintBox1Paint on a white picture.
  paint(): void {
    this.pending = false;
    this.fit();
    this.clear();
    this.chart?.paint();
    this.describe();
  }

  // The chart's title as its name, the table on show as its figures.
  private describe(): void {
    const title = this.titleText();
    this.canvas.setAttribute('aria-label', title || 'Diagram');
    this.figures.replaceChildren(...figureRows(core.tableLines()));
    this.figures.setAttribute('aria-label', title ? 'Tal for ' + title : 'Tal');
  }

  // The texts a cursor step drew, said aloud.
  announce(from: number): void {
    const said = this.drawnTexts.slice(from).map((t) => t.text.trim()).filter(Boolean).join(' ');
    if (said) this.readout.textContent = said;
  }

  clearChart(): void {
    this.pending = false;
    this.clear();
  }
}

// The age groups of a projection or census table as table rows: the group,
// men, women (the lines the table shows, read back).
export function figureRows(lines: string[]): HTMLElement[] {
  const row = /^\s*(\d+\s*-\s*\d*|I alt)\s*:\s+([\d.,]+%?)\s+([\d.,]+%?)/;
  const body = el('tbody');
  for (const line of lines) {
    const m = row.exec(line);
    if (m) body.append(el('tr', {}, el('th', { scope: 'row', text: m[1].replace(/\s+/g, '') }), el('td', { text: m[2] }), el('td', { text: m[3] })));
  }
  if (!body.hasChildNodes()) return [];
  return [el('thead', {}, el('tr', {}, ...['Alder', 'Mænd', 'Kvinder'].map((h) => el('th', { scope: 'col', text: h })))), body];
}
