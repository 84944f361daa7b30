// The census view (Form4) with the census-year chooser (Form8) and the
// three historical tables.
import { enable } from './app';
import type { WebCanvas } from './canvas';
import { core, DisplayModes, keyFilter } from './core';
import type { Output, OutputView } from './output';
import { button, Dialog, drawnYears, el, field, label, setText, YearListBox } from './ui';
import { ChartArea, ViewWindow } from './view';

export class CensusYearDialog extends Dialog {
  readonly Memo1 = el('pre', { class: 'memo list', 'data-name': 'Memo1', role: 'listbox', 'aria-label': 'Folketællinger' });
  readonly Edit1 = field('Edit1', 'Vælg årstal', keyFilter('digits'));
  readonly BitBtn1: HTMLButtonElement;
  readonly years: YearListBox;
  ChosenCensusYear = 0;
  ChosenCensusYearValid = false;
  accepted = false;
  // The field writes every change into BaseYear; Fortryd puts this back.
  private baseYearOnShow = 0;

  constructor() {
    super('Form8', ' ', 425, 230);
    this.place(el('div', { class: 'bevel', 'data-name': 'Bevel1' }), 8, 8, 409, 169);
    this.place(this.Memo1, 16, 16, 393, 129);
    this.years = new YearListBox(this.Memo1, (k) => core.yearChoices()[k - 1], (year) => setText(this.Edit1, String(year)),
      () => { if (!this.BitBtn1.disabled) this.BitBtn1Click(); });
    this.place(label('Label1', 'Vælg årstal: '), 112, 152);
    this.place(this.Edit1, 256, 152, 57, 24);
    this.BitBtn1 = this.place(button('BitBtn1', '&OK', () => this.BitBtn1Click()), 40, 188, 89, 33);
    this.place(button('BitBtn2', '&Fortryd', () => this.BitBtn2Click()), 296, 188, 89, 33);
    this.defaultButton = this.BitBtn1;
    this.onCancel = () => this.BitBtn2Click();
    this.Edit1.addEventListener('input', () => this.Edit1Change());
    this.Memo1.addEventListener('mousedown', (e) => {
      e.preventDefault();  // the focus stays where picking a year puts it
      const r = this.Memo1.getBoundingClientRect();
      const k = core.censusYearAtClick(Math.floor(e.clientX - r.left), Math.floor(e.clientY - r.top),
        drawnYears(this.Memo1, core.censusYearPositions()));
      if (k > 0) setText(this.Edit1, String(core.yearChoices()[k - 1]));
    });
    this.onShow = () => {
      this.accepted = false;
      this.baseYearOnShow = core.state().BaseYear;
      this.Edit1.value = '';
      this.Edit1Change();
      this.Memo1.textContent = core.censusYearListLines().join('\n');
      this.years.fill(core.censusYearPositions());
      this.Edit1.focus();
      this.BitBtn1.disabled = true;
    };
  }

  Edit1Change(): void {
    const n = core.readWholeNumber(this.Edit1.value);
    const year = n.valid ? n.value : 0;
    this.ChosenCensusYear = year;
    this.ChosenCensusYearValid = n.valid && core.yearChoices().includes(year);
    this.years.show(year);
    core.setBaseYear(year);
    this.BitBtn1.disabled = !this.ChosenCensusYearValid;
    if (this.ChosenCensusYearValid) this.BitBtn1.focus();
  }

  BitBtn1Click(): void {
    core.setBaseYear(this.ChosenCensusYear);
    core.setDisplayMode(DisplayModes.Nothing);
    this.accepted = true;
    this.close();
  }

  BitBtn2Click(): void {
    this.close();
    core.setBaseYear(this.baseYearOnShow);
    core.setDisplayMode(DisplayModes.Nothing);
  }
}

export class CensusView extends ViewWindow implements OutputView {
  readonly area = new ChartArea('census');
  get pyramidMode(): number { return DisplayModes.CensusPyramid; }
  get totalGraphMode(): number { return DisplayModes.CensusTotalGraph; }
  readonly buttons: Record<string, HTMLButtonElement> = {};
  output: Output | null = null;

  constructor(readonly Form8: CensusYearDialog) {
    super('Form4', 'Folketællinger');
    const b = this.buttons;
    b.SpeedButton5 = this.toolButton('SpeedButton5', 'Print', 'print', () => this.output?.PrintView(this));
    b.SpeedButton6 = this.toolButton('SpeedButton6', 'Navn eller overskrift til udskrifter', 'heading', () => this.output?.AskHeading());
    b.SpeedButton7 = this.toolButton('SpeedButton7', 'Kopier til Klippebordet', 'copy', () => this.output?.CopyView(this));
    this.toolGap();
    b.SpeedButton1 = this.toolButton('SpeedButton1', 'Tabel', 'table', () => this.ShowCensusTable());
    b.SpeedButton2 = this.toolButton('SpeedButton2', 'Pyramide', 'pyramid', () => this.ShowCensusPyramid());
    b.SpeedButton3 = this.toolButton('SpeedButton3', 'I alt graf', 'total', () => this.ShowCensusTotalGraph());
    this.root.append(this.area.scrollBox);
    this.ResetCensusView();
  }

  showView(): void {
    const wasHidden = !this.visible;
    super.showView();
    if (wasHidden) {
      core.clearTableLines();
      core.setSavedScrollPos(this.area.verticalScrollPos());
    }
  }

  private SetCensusActionsEnabled(on: boolean): void {
    for (const n of ['Udskriv1', 'Tabel3', 'Pyramide2', 'Ialtgraf2']) enable(n, on);
    for (const n of ['SpeedButton1', 'SpeedButton2', 'SpeedButton3', 'SpeedButton5']) this.buttons[n].disabled = !on;
  }

  ResetCensusView(): void {
    this.SetCensusActionsEnabled(false);
    core.clearTableLines();
    this.area.memo.textContent = '';
  }

  async StartCensusInput(): Promise<void> {
    this.area.clearChart();
    this.ResetCensusView();
    this.showView();
    await this.ChooseCensus();
  }

  async ChooseCensus(): Promise<void> {
    core.setExactFigures(true);
    core.listCensusYears();
    await this.Form8.show();
    // Cancelled, the chooser has put back the base year it found, which may
    // well be a census year the pupil did not choose now.
    if (this.Form8.accepted && core.yearChoices().includes(core.state().BaseYear)) {
      core.groupCensus();
      core.setTargetYear(core.state().BaseYear);
      core.computeGroupTotals();
      this.SetCensusActionsEnabled(true);
      this.ShowCensusTable();
    } else {
      this.ResetCensusView();
    }
    this.area.invalidate();
  }

  ShowCensusTable(): void {
    core.setDisplayMode(DisplayModes.CensusTable);
    core.setYearsToProject(core.state().TargetYear - core.state().BaseYear);
    core.buildCensusTable();
    const lines: string[] = core.tableLines();
    this.area.memo.hidden = false;
    this.area.memo.textContent = ' \n ' + lines.map((l) => '\n    ' + l).join('');
    this.memoTop();
  }

  private memoTop(): void {
    this.area.memo.scrollTop = 0;
    this.area.memo.scrollLeft = 0;
  }

  ShowCensusPyramid(): void { this.ShowCensusChart(DisplayModes.CensusPyramid); }
  ShowCensusTotalGraph(): void { this.ShowCensusChart(DisplayModes.CensusTotalGraph); }

  private ShowCensusChart(mode: number): void {
    this.area.memo.hidden = true;
    core.setDisplayMode(mode);
    core.setYearsToProject(core.state().TargetYear - core.state().BaseYear);
    core.computeGroupTotals();
    core.setCursorLineX(0);
    core.setClickX(1);
    this.area.paint();
  }

  ShowHistoricalTable(which: 'lifeExpectancy' | 'mortality' | 'fertility'): void {
    core.setDisplayMode(DisplayModes.CensusTable);
    this.showView();
    core.setHistoricalTable(which);
    const lines: string[] = core.tableLines();
    this.area.memo.hidden = false;
    // Every table starts with a blank line, which the field's own first line stands for.
    this.area.memo.textContent = ' ' + lines.slice(1).map((l) => '\n' + l).join('');
    this.memoTop();
    this.buttons.SpeedButton5.disabled = false;
    this.area.invalidate();
  }

  tableShown(): boolean { return !this.area.memo.hidden; }
  copyKind(): 'table' | 'chart' | '' { return core.populationViewOnShow('census', this.tableShown()); }
  printKind(): 'text' | 'chart' | null {
    const mode = core.state().DisplayMode;
    return mode === DisplayModes.CensusTable ? 'text' : mode === this.pyramidMode || mode === this.totalGraphMode ? 'chart' : null;
  }
  chartSize(): { width: number; height: number } { return { width: this.area.width, height: this.area.height }; }
  drawChart(canvas: WebCanvas, withCursor: boolean): void { this.area.chart?.drawOn(canvas, withCursor); }
}
