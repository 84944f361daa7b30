// The lifetime view (Form2): one or two persons' ages and sexes, their
// survival table (the string grid) and their survival graph with its click
// cursor. The core computes and draws; this window stores and shows.
import { app, enable } from './app';
import { WebCanvas } from './canvas';
import { core, keyFilter } from './core';
import type { Output, OutputView } from './output';
import { button, el, field, label, messageBox } from './ui';
import { ViewWindow } from './view';


export class LifetimeView extends ViewWindow implements OutputView {
  output: Output | null = null;
  readonly buttons: Record<string, HTMLButtonElement> = {};
  readonly Label1 = label('Label1', 'Personens alder:');
  readonly Label3 = label('Label3', '2. persons alder:');
  readonly Label4 = label('Label4', 'og køn (m/k): ');
  readonly Edit1 = field('Edit1', 'Alder', keyFilter('digits'));
  readonly Edit2 = field('Edit2', 'Køn (m/k)', keyFilter('sex'));
  readonly Edit3 = field('Edit3', '2. persons alder', keyFilter('digits'));
  readonly Edit4 = field('Edit4', '2. persons køn (m/k)', keyFilter('sex'));
  readonly Button1: HTMLButtonElement;
  // The grid as the desktop draws it (several figures a cell); a screen
  // reader gets the same figures as a table of one figure a cell.
  readonly StringGrid1 = el('table', { class: 'grid', 'data-name': 'StringGrid1', 'aria-hidden': 'true' });
  readonly FigureTable = el('table', { class: 'visually-hidden', id: 'lifetimeFigures', 'data-name': 'FigureTable', 'aria-label': 'Levetidstabel' });
  readonly PaintBox1 = el('canvas', { 'data-name': 'PaintBox1', role: 'img', 'aria-label': 'Levetidsgraf', 'aria-describedby': 'lifetimeFigures', tabindex: '0' });
  readonly ReadOut = el('div', { class: 'visually-hidden', 'aria-live': 'polite', 'data-name': 'ReadOut' });
  readonly ScrollBox1 = el('div', { class: 'scrollbox lifetime', 'data-name': 'ScrollBox1', role: 'region', 'aria-label': 'Levetid: tabel og graf', tabindex: '0' });
  readonly Panel4 = el('div', { class: 'results', 'data-name': 'Panel4', hidden: true });
  readonly results = [label('Label5', ''), label('Label6', ''), label('Label7', '')];
  private readonly graph: WebCanvas;
  private gridShown = true;

  constructor() {
    super('Form2', 'Levetid');
    this.toolbar.classList.add('inputs');
    this.toolbar.setAttribute('data-name', 'Panel1');
    const at = <T extends HTMLElement>(e: T, x: number, y: number, w?: number, h?: number): T => {
      Object.assign(e.style, { position: 'absolute', left: x + 'px', top: y + 'px' }, w ? { width: w + 'px', height: h + 'px' } : {});
      this.toolbar.append(e);
      return e;
    };
    at(this.Label1, 16, 8);
    at(this.Edit1, 204, 4, 33, 26);
    at(label('Label2', 'og køn (m/k): '), 268, 8);
    at(this.Edit2, 400, 4, 29, 26);
    at(this.Label3, 16, 44);
    at(this.Edit3, 204, 40, 33, 26);
    at(this.Label4, 268, 44);
    at(this.Edit4, 400, 40, 29, 26);
    this.Button1 = at(button('Button1', 'OK', () => void this.Button1Click()), 448, 40, 45, 25);
    const tools = at(el('div', { class: 'tools' }), 504, 28);
    const tool = (n: string, hint: string, glyph: string, run: () => void): HTMLButtonElement => {
      const b = this.toolButton(n, hint, glyph, run);
      tools.append(b);
      return (this.buttons[n] = b);
    };
    tool('SpeedButton3', 'Tabel', 'table', () => this.oversigter());
    tool('SpeedButton2', 'Graf', 'graph', () => this.ShowLifetimeGraph());
    tools.append(el('span', { class: 'toolgap' }));
    tool('SpeedButton1', 'Udskriv', 'print', () => this.PrintView());
    tool('SpeedButton4', 'Navn eller overskrift til udskrifter', 'heading', () => void this.output?.AskHeading());
    tool('SpeedButton5', 'Kopier til Klippebordet', 'copy', () => void this.CopyView());

    this.graph = new WebCanvas(this.PaintBox1, 640, 420);
    this.ScrollBox1.append(this.StringGrid1, this.FigureTable, this.PaintBox1, this.ReadOut);
    this.Panel4.append(...this.results);
    this.root.append(this.ScrollBox1, this.Panel4);
    this.PaintBox1.hidden = true;
    this.PaintBox1.addEventListener('mouseup', (e) => {
      this.PaintBox1MouseUp(e.button === 0, this.graph.pointAt(e).x);
    });
    window.addEventListener('resize', () => { if (this.visible && !this.gridShown) this.PaintBox1Paint(); });
    // Left and right on the focused graph move the cursor a year of age.
    this.PaintBox1.addEventListener('keydown', (e) => {
      if ((e.key !== 'ArrowLeft' && e.key !== 'ArrowRight') || e.altKey || e.ctrlKey || e.metaKey) return;
      e.preventDefault();
      this.PaintBox1MouseUp(true, core.lifetimeCursorXAfterStep(e.key === 'ArrowRight' ? 1 : -1));
    });

    // Enter moves on along the fields and to OK, where it presses OK.
    const enter = (f: HTMLInputElement, next: () => HTMLElement): void => f.addEventListener('keydown', (e) => {
      if (e.key === 'Enter') { e.preventDefault(); next().focus(); }
    });
    enter(this.Edit1, () => this.Edit2);
    enter(this.Edit2, () => (this.Edit3.hidden ? this.Button1 : this.Edit3));
    enter(this.Edit3, () => this.Edit4);
    enter(this.Edit4, () => this.Button1);
    for (const f of [this.Edit1, this.Edit2, this.Edit3, this.Edit4]) f.addEventListener('input', () => this.SetResultControls(false));
    // Leaving a field for another control stores its age; switching to
    // another window or opening a menu does not.
    const exit = (f: HTMLInputElement, person: 1 | 2) => f.addEventListener('blur', (e) => {
      const to = e.relatedTarget as Node | null;
      if (!document.hasFocus() || (to && app.menu.root.contains(to))) return;
      void this.StoreAge(f, person);
    });
    exit(this.Edit1, 1);
    exit(this.Edit3, 2);
    core.setClickX(0);
    core.setCursorLineX(0);
  }

  DisableOwnCommands(): void { this.SetResultControls(false); }

  SetResultControls(on: boolean): void {
    for (const n of ['Graf1', 'Tabel1', 'Udskriv1']) enable(n, on);
    for (const n of ['SpeedButton2', 'SpeedButton3', 'SpeedButton1']) this.buttons[n].disabled = !on;
  }

  private SetGridVisible(on: boolean): void {
    this.gridShown = on;
    this.StringGrid1.hidden = !on;
    this.FigureTable.hidden = !on;
    this.PaintBox1.hidden = on;
  }

  // Leaving an age field (person A 1, B 2): an age the view cannot take is refused at once.
  private async StoreAge(f: HTMLInputElement, person: 1 | 2): Promise<void> {
    if (f.value === '') return;
    const age = core.readLifetimeAge(f.value);
    if (age >= 0) { core.setLifetimeAge(person, age); return; }
    core.setLifetimeAge(person, 100);  // refused until a valid age is entered
    f.value = '';
    await messageBox(core.ageTooHighMessage(), 'Fejl');
    f.focus();
  }

  async Button1Click(): Promise<void> {
    // A click reaches OK after the field it left was stored; Enter from the
    // last field does not leave it first.
    for (const [f, person] of [[this.Edit1, 1], [this.Edit3, 2]] as const) {
      const age = f.value === '' ? -1 : core.readLifetimeAge(f.value);
      if (age >= 0) core.setLifetimeAge(person, age);
    }
    core.readLifetimeSexes(this.Edit2.value, this.Edit4.value);
    if (!core.lifetimeInputsValid()) return;
    this.SetResultControls(true);
    core.setLifetimeViewActive(true);
    if (core.state().LifetimeGraphShown) this.ShowLifetimeGraph();
    else { this.SetGridVisible(true); this.ShowTable(); }
  }

  private ClearLifetimeView(): void {
    core.setLifetimeGraphShown(false);
    core.clearTableLines();
    this.StringGrid1.replaceChildren();
    this.FigureTable.replaceChildren();
    for (const f of [this.Edit1, this.Edit2, this.Edit3, this.Edit4]) f.value = '';
    for (const l of this.results) l.textContent = '';
  }

  StartOnePerson(): void {
    this.ClearLifetimeView();
    this.Label1.textContent = 'Personens alder: ';
    for (const e of [this.Label3, this.Label4, this.Edit3, this.Edit4]) e.hidden = true;
    this.Edit1.focus();
    core.setLifetimePersonCount(1);
    this.SetResultControls(false);
  }

  StartTwoPersons(): void {
    this.ClearLifetimeView();
    this.Label1.textContent = '1. persons alder: ';
    for (const e of [this.Label3, this.Label4, this.Edit3, this.Edit4]) e.hidden = false;
    this.Edit1.focus();
    core.setLifetimePersonCount(2);
    this.SetResultControls(false);
  }

  oversigter(): void {
    this.SetGridVisible(true);
    core.setLifetimeGraphShown(false);
    this.ShowTable();
  }

  private SetResultLines(lines: string[]): void {
    this.Panel4.hidden = false;
    lines.forEach((l, i) => { this.results[i].textContent = l; });
  }

  // The grid, TableLines and the result lines from the core's table.
  private ShowTable(): void {
    if (!core.buildLifetimeTable()) return;
    const t = core.lifetimeGrid();
    const measure = this.graph.ctx;
    measure.save();
    measure.font = getComputedStyle(this.StringGrid1).font;
    const rows = t.cells.map((row, r) => el('tr', {}, ...row.map((cell, c) => {
      const td = el(r < t.fixedRows ? 'th' : 'td', { text: cell });
      if (r === 0) td.style.width = Math.ceil(measure.measureText(t.widthTexts[c] ?? '').width) + 'px';
      return td;
    })));
    measure.restore();
    this.StringGrid1.replaceChildren(el('thead', {}, ...rows.slice(0, t.fixedRows)), el('tbody', {}, ...rows.slice(t.fixedRows)));
    this.FigureTable.replaceChildren(...figureTable(t.cells, t.fixedRows));
    core.setLifetimeGraphShown(false);
    this.SetResultLines(t.resultLines);
  }

  ShowLifetimeGraph(): void {
    if (core.computeLifetimeResults()) this.SetResultLines(core.shownResultLines());
    enable('Udskriv1', true);
    this.buttons.SpeedButton1.disabled = false;
    this.SetGridVisible(false);
    core.setLifetimeGraphShown(true);
    core.setClickX(1);
    // Erase the cursor from the picture it was drawn on before drawing anew:
    // afterwards CursorLineX no longer names a line that is not there.
    core.drawLifetimeCursor(this.graph, this.viewSize().height);
    this.PaintBox1Paint();
  }

  private viewSize(): { width: number; height: number } {
    return { width: this.root.clientWidth, height: this.root.clientHeight };
  }

  PaintBox1Paint(): void {
    const size = this.viewSize();
    const box = { width: this.ScrollBox1.clientWidth || size.width, height: this.ScrollBox1.clientHeight || size.height };
    this.graph.resize(box.width, box.height, window.devicePixelRatio || 1);
    this.graph.setFont('Courier New', 16, false, true);
    this.graph.setPenColor(0);
    this.graph.setInvert(false);
    core.drawLifetimeGraph(this.graph, 'screen', size.width, size.height);
    this.PaintBox1.setAttribute('aria-label', this.graph.titleText() || 'Levetidsgraf');
    core.drawLifetimeCursor(this.graph, size.height);
  }

  PaintBox1MouseUp(left: boolean, x: number): void {
    core.setClickX(left ? x : 1);
    const before = this.graph.drawnTexts.length;
    core.drawLifetimeCursor(this.graph, this.viewSize().height);
    const said = this.graph.drawnTexts.slice(before).map((t) => t.text.trim()).filter(Boolean).join(' ');
    if (said) this.ReadOut.textContent = said;
  }

  // Output
  tableShown(): boolean { return this.gridShown; }
  copyKind(): 'table' | 'chart' | '' { return core.lifetimeViewOnShow(this.gridShown); }
  printKind(): 'text' | 'chart' { return this.gridShown ? 'text' : 'chart'; }
  // The picture is the paint box's size (and 80 more down); the graph on it
  // is laid out for the whole view, as on screen.
  chartSize(): { width: number; height: number } { return { width: this.graph.width, height: this.graph.height }; }
  drawChart(canvas: WebCanvas, withCursor: boolean): void {
    canvas.setFont('Courier New', 16, false, true);
    if (canvas.printer) { core.drawLifetimeGraph(canvas, 'printer', 640, 480); return; }
    const size = this.viewSize();
    core.drawLifetimeGraph(canvas, 'picture', size.width, size.height);
    if (withCursor) core.drawLifetimeCursor(canvas, size.height);
  }

  PrintView(): void { this.output?.PrintView(this); }
  async CopyView(): Promise<void> { await this.output?.CopyView(this); }
}

// The grid's figures one a cell, ages ascending: the column names from the
// header rows ("Alder" over "A B" gives "Alder A", "Alder B"), the first
// figure of a row as its row header.
function figureTable(cells: string[][], fixedRows: number): HTMLElement[] {
  const words = (text: string | undefined): string[] => (text ?? '').trim().split(/\s+/).filter(Boolean);
  const top = words(cells[0]?.[0]);
  const sub = fixedRows > 1 ? words(cells[1]?.[0]) : top;
  const span = fixedRows > 1 && top.length ? Math.max(1, Math.floor(sub.length / top.length)) : 1;
  const names = fixedRows > 1 ? sub.map((s, i) => `${top[Math.floor(i / span)] ?? ''} ${s}`.trim()) : top;
  const body = el('tbody');
  const groups = cells[0]?.length ?? 0;
  for (let g = 0; g < groups; ++g) {
    for (const row of cells.slice(fixedRows)) {
      const figures = words(row[g]);
      if (!figures.length) continue;
      body.append(el('tr', {}, ...figures.map((f, i) => el(i === 0 ? 'th' : 'td', i === 0 ? { scope: 'row', text: f } : { text: f }))));
    }
  }
  return [el('thead', {}, el('tr', {}, ...names.map((n) => el('th', { scope: 'col', text: n })))), body];
}
