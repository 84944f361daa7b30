// The projection view (Form3) with its input dialog (BtnBottomDlg), the
// base-year chooser (Form7) and the model-text window (Model).
import { app, enable } from './app';
import { core, DisplayModes, keyFilter } from './core';
import { ChartArea, ViewWindow } from './view';
import { button, Dialog, drawnYears, el, field, label, messageBox, setText, YearListBox } from './ui';
import type { WebCanvas } from './canvas';
import type { Output, OutputView } from './output';
import { Playback } from './extra';

export class InputDialog extends Dialog {
  readonly Edit1 = field('Edit1', 'Børnetal pr. familie', keyFilter('decimal'));
  readonly Edit3 = field('Edit3', 'Årstal', keyFilter('digits'));
  readonly Edit4 = field('Edit4', 'Pensionsalder', keyFilter('digits'));
  readonly Label3 = label('Label3', 'Årstal ');
  readonly OKBtn: HTMLButtonElement;
  readonly CancelBtn: HTMLButtonElement;
  InputError = 0;

  constructor() {
    super('BtnBottomDlg', 'Inddata til Prognose', 339, 142);
    this.place(el('div', { class: 'bevel', 'data-name': 'Bevel1' }), 8, 8, 321, 89);
    this.place(label('Label1', 'Børnetal pr. familie (max 6): '), 20, 20);
    this.place(this.Label3, 20, 44);
    this.place(label('Label4', 'Pensionsalder (mindst 50) : '), 20, 68);
    this.place(this.Edit1, 264, 16, 49, 24);
    this.place(this.Edit3, 264, 40, 49, 24);
    this.place(this.Edit4, 264, 64, 49, 24);
    this.OKBtn = this.place(button('OKBtn', '&OK', () => this.OKBtnClick()), 24, 108, 77, 27);
    this.CancelBtn = this.place(button('CancelBtn', '&Fortryd', () => this.CancelBtnClick()), 216, 107, 89, 27);
    this.defaultButton = this.OKBtn;
    this.onCancel = () => this.CancelBtnClick();
    for (const f of [this.Edit1, this.Edit3, this.Edit4]) f.addEventListener('input', () => this.validateInputs());
    // Enter: the default button when it may be pressed, else on to the next field.
    this.onEnter = (target) => {
      if (!this.OKBtn.disabled || target instanceof HTMLButtonElement) return false;
      const next = target === this.Edit1 ? this.Edit3 : target === this.Edit3 ? this.Edit4 : this.OKBtn;
      if (next instanceof HTMLInputElement) next.select();
      next.focus();
      return true;
    };
    this.onShow = () => {
      this.Label3.textContent = `Årstal (${core.state().BaseYear} .. 2100): `;
      this.validateInputs();
      if (core.state().InputsAccepted) this.OKBtn.focus();
      else { this.OKBtn.disabled = true; this.Edit1.focus(); }
    };
  }

  validateInputs(): void {
    const check = core.checkProjectionInputs(this.Edit1.value, this.Edit3.value, this.Edit4.value);
    this.OKBtn.disabled = !check.filled;
    this.InputError = check.inputError;
  }

  async OKBtnClick(): Promise<void> {
    this.validateInputs();
    if (this.InputError === 0) {
      core.acceptProjectionInputs();
      this.close();
      return;
    }
    // The dialog stays; the focus goes to the field that was refused.
    const refused = [this.Edit1, this.Edit3, this.Edit4][this.InputError - 1];
    await messageBox(core.projectionInputMessage(this.InputError), core.projectionInputCaption());
    if (refused) { refused.focus(); refused.select(); }
  }

  CancelBtnClick(): void {
    core.cancelProjectionInputs();
    this.InputError = 0;
    this.close();
  }
}

export class BaseYearDialog extends Dialog {
  readonly Memo1 = el('pre', { class: 'memo list', 'data-name': 'Memo1', role: 'listbox', 'aria-label': 'Basisår' });
  readonly Edit1 = field('Edit1', 'Hvilket årstal ?', keyFilter('digits'));
  readonly BitBtn1: HTMLButtonElement;
  readonly years: YearListBox;
  ChosenYear = 0;
  ChosenYearValid = false;

  constructor() {
    super('Form7', 'Basisår', 385, 240);
    this.place(el('div', { class: 'bevel', 'data-name': 'Bevel1' }), 16, 0, 353, 193);
    this.place(this.Memo1, 32, 16, 321, 129);
    this.years = new YearListBox(this.Memo1, (k) => core.listedBaseYear(k), (year) => setText(this.Edit1, String(year)),
      () => this.BitBtn1Click());
    this.place(label('Label1', 'Hvilket årstal ? '), 32, 160);
    this.place(this.Edit1, 184, 160, 73, 24);
    this.BitBtn1 = this.place(button('BitBtn1', '&OK', () => this.BitBtn1Click()), 40, 204, 89, 33);
    this.place(button('BitBtn2', '&Fortryd', () => this.BitBtn2Click()), 248, 204, 89, 33);
    this.defaultButton = this.BitBtn1;
    this.onCancel = () => this.BitBtn2Click();
    this.Edit1.addEventListener('input', () => this.Edit1Change());
    this.Memo1.addEventListener('mousedown', (e) => {
      e.preventDefault();  // the focus stays where picking a year puts it
      const r = this.Memo1.getBoundingClientRect();
      const k = core.baseYearAtClick(Math.floor(e.clientX - r.left), Math.floor(e.clientY - r.top),
        drawnYears(this.Memo1, core.baseYearPositions()), this.Memo1.scrollTop > 0);
      if (k > 0) setText(this.Edit1, String(core.listedBaseYear(k)));
    });
    this.onShow = () => {
      setText(this.Edit1, String(core.state().BaseYear));
      this.Memo1.textContent = core.baseYearListLines().join('\n');
      this.years.fill(core.baseYearPositions());
      this.years.show(core.state().BaseYear);
      this.Edit1.focus();
    };
  }

  Edit1Change(): void {
    const n = core.readWholeNumber(this.Edit1.value);
    this.ChosenYear = n.value;
    this.ChosenYearValid = n.valid;
    this.years.show(n.valid ? n.value : 0);
    if (n.valid && core.hasBaseDataSet(n.value)) this.BitBtn1.focus();
  }

  BitBtn1Click(): void {
    core.acceptBaseYear(this.ChosenYear);
    this.close();
  }

  BitBtn2Click(): void {
    this.close();
    core.cancelBaseYear();
  }
}

export class ModelWindow extends Dialog {
  readonly Memo1 = el('pre', { class: 'memo', 'data-name': 'Memo1', role: 'textbox', 'aria-readonly': 'true', 'aria-label': 'Model', tabindex: '0' });
  constructor() {
    super('Model', 'Model', 420, 140, 'modeless', true);
    this.place(this.Memo1, 0, 0, 420, 140);
    this.onCancel = () => this.close();
    this.defaultButton = null;
  }
}

export class ProjectionView extends ViewWindow implements OutputView {
  readonly area = new ChartArea('projection');
  get pyramidMode(): number { return DisplayModes.ProjectionPyramid; }
  get totalGraphMode(): number { return DisplayModes.ProjectionTotalGraph; }
  readonly playback = new Playback(this.area);
  readonly buttons: Record<string, HTMLButtonElement> = {};
  output: Output | null = null;

  constructor(readonly BtnBottomDlg: InputDialog, readonly Form7: BaseYearDialog, readonly Model: ModelWindow,
              readonly showAgeGroupDialog: () => Promise<void>) {
    super('Form3', 'Prognose');
    const b = this.buttons;
    b.SpeedButton7 = this.toolButton('SpeedButton7', 'Print', 'print', () => this.output?.PrintView(this));
    b.SpeedButton8 = this.toolButton('SpeedButton8', 'Navn eller overskrift til udskrifter', 'heading', () => this.output?.AskHeading());
    b.SpeedButton9 = this.toolButton('SpeedButton9', 'Kopier til Klippebordet', 'copy', () => this.output?.CopyView(this));
    this.toolGap();
    b.SpeedButton1 = this.toolButton('SpeedButton1', 'Tabel', 'table', () => this.ShowTable());
    b.SpeedButton2 = this.toolButton('SpeedButton2', 'Pyramide', 'pyramid', () => this.ShowPyramid());
    b.SpeedButton3 = this.toolButton('SpeedButton3', 'I alt graf', 'total', () => this.ShowTotalGraph());
    b.SpeedButton4 = this.toolButton('SpeedButton4', 'Fortsæt', 'continue', () => this.ContinueProjection());
    b.SpeedButton5 = this.toolButton('SpeedButton5', 'Aldersgruppe', 'agegroups', () => this.ShowAgeGroups());
    b.SpeedButton6 = this.toolButton('SpeedButton6', 'Model', 'model', () => this.ShowModelText());
    this.root.append(this.area.scrollBox);
    core.setClickX(0);
    core.setCursorLineX(0);
  }

  showView(): void {
    const wasHidden = !this.visible;
    super.showView();
    if (wasHidden) {
      core.clearTableLines();
      core.setSavedScrollPos(this.area.verticalScrollPos());
      this.area.memo.textContent = '';
    }
  }

  // The core keeps which commands are available; the page shows it.
  // "Aldersgruppe" in the menu stays once a projection has been made.
  private ShowProjectionCommands(): void {
    const available = core.projectionCommands();
    if (available.projection && available.ageGroups) enable('Aldersgrupper1', true);
    for (const n of ['Udskriv1', 'Tabel2', 'Pyramide1', 'Ialtgraf1']) enable(n, available.projection);
    enable('Fortst1', available.continue);
    for (const n of ['SpeedButton1', 'SpeedButton2', 'SpeedButton3', 'SpeedButton5', 'SpeedButton6'])
      this.buttons[n].disabled = !available.projection;
    // "Fortsæt" on the tool bar is available exactly when the menu item is.
    this.buttons.SpeedButton4.disabled = !available.continue;
  }

  DisableProjectionActions(): void {
    core.setProjectionCommandsAvailable(false);
    this.ShowProjectionCommands();
  }

  // keepTable leaves the table lines as they are.
  ClearChartArea(keepTable = false): void {
    this.EndPlayback();
    if (!keepTable) core.clearTableLines();
    this.area.scrollBox.scrollTop = 0;
    this.area.clearChart();
  }

  async EnterInputs(): Promise<void> {
    this.showView();
    core.beginProjectionInputs();
    this.ClearChartArea();
    await this.BtnBottomDlg.show();
    if (core.finishProjectionInputs()) this.ShowMadeTable();
    this.ShowProjectionCommands();
    this.area.invalidate();
  }

  ShowTable(): void {
    core.makeProjectionTable();
    this.ShowMadeTable();
  }

  private ShowMadeTable(): void {
    this.EndPlayback();
    if (this.ComparesWithActual()) core.addActualPopulationLine();
    const lines: string[] = core.tableLines();
    // Two blank lines, then the table indented by four blanks.
    this.area.memo.textContent = ' \n ' + lines.map((l) => '\n    ' + l).join('');
    this.area.memo.hidden = false;
    this.area.memo.scrollTop = 0;
    this.area.memo.scrollLeft = 0;
    (window as any).lysvandre.timing.tableShown = performance.now();
  }

  // The actual population of the target year, imported from Statistikbanken.
  CanCompareWithActual(): boolean { return core.canCompareWithActual(app.viewsShown()); }

  ComparesWithActual(): boolean { return this.area.chart?.comparedWithActual() ?? false; }

  ToggleActualComparison(): void {
    if (!this.CanCompareWithActual() || !this.area.chart) return;
    if (this.ComparesWithActual()) this.area.chart.endComparison();
    else this.area.chart.compareWithActual();
    // A table on show gets (or loses) its line with the actual total.
    if (!this.area.memo.hidden) this.ShowTable();
    this.area.invalidate();
  }

  // After an import: the newest imported base year's table, as "Inddata"
  // with that year would show it.
  ShowNewestImport(): void {
    if (!core.startNewestImportProjection()) return;
    this.showView();
    this.ClearChartArea();
    this.ShowProjectionCommands();
    setText(this.BtnBottomDlg.Edit1, core.state().ChildrenPerFamily.toFixed(2));
    setText(this.BtnBottomDlg.Edit3, String(core.state().TargetYear));
    setText(this.BtnBottomDlg.Edit4, String(core.state().RetirementAge));
    this.ShowTable();
  }

  // After "Glem indlæste tal": nothing imported stays on show.
  ForgetImports(): void {
    if (this.ComparesWithActual()) this.area.chart?.endComparison();
    if (!core.forgetImportedProjection()) {
      if (this.visible && !this.area.memo.hidden) this.ShowTable();
      this.area.invalidate();
      return;
    }
    // The projection on show started from a year that is gone.
    this.ShowProjectionCommands();
    this.ClearChartArea();
    this.area.memo.textContent = '';
    this.area.memo.hidden = true;
  }

  ShowPyramid(): void { this.ShowChart(this.pyramidMode); }
  ShowTotalGraph(): void { this.ShowChart(this.totalGraphMode); }

  private ShowChart(mode: number): void {
    this.EndPlayback();
    this.area.memo.hidden = true;
    core.makeProjectionChart(mode);
    this.area.paint();
  }

  async ContinueProjection(): Promise<void> {
    const continuation = core.beginContinuation();
    if (continuation.ask) {
      setText(this.BtnBottomDlg.Edit3, String(continuation.proposedYear));
      await this.BtnBottomDlg.show();
    }
    if (core.finishContinuation()) this.ShowMadeTable();
    // The table on show (the new one, or the old one after a cancel) stays
    // what printing and copying read; a blanked chart leaves nothing.
    this.ClearChartArea(!this.area.memo.hidden);
  }

  // The dialog lists other years through the shared state; the projection
  // (or census) on show gets it back afterwards.
  async ShowAgeGroups(): Promise<void> {
    core.beginAgeGroupVisit();
    await this.showAgeGroupDialog();
    core.endAgeGroupVisit();
  }

  async ChooseBaseYear(): Promise<void> {
    this.showView();
    core.beginBaseYearChoice();
    this.ClearChartArea();
    this.area.memo.textContent = '';
    await this.Form7.show();
    if (core.finishBaseYearChoice()) this.ShowProjectionCommands();
  }

  // The model window alone writes numbers with the reader's own decimal separator.
  ShowModelText(): void {
    const separator = (1.5).toLocaleString(navigator.language).includes(',') ? ',' : '.';
    const lines = core.modelTextLines(separator);
    // The net migration's two lines make the window taller.
    const height = 140 + 20 * (lines.length - 5);
    // ... and wider where a line would not fit (1ch: one character of the
    // window's fixed-width font).
    const width = `max(420px, calc(${Math.max(...lines.map((l) => l.length))}ch + 12px))`;
    for (const e of [this.Model.body, this.Model.Memo1]) { e.style.height = height + 'px'; e.style.width = width; }
    this.Model.Memo1.textContent = lines.join('\n');
    void this.Model.show();
  }

  private EndPlayback(): void { this.playback.End(); }

  // The projection on show computed again with the inputs in force (a new
  // net migration), in the picture on show; nothing while none is shown.
  ProjectAgain(): void {
    const mode = core.projectAgain(this.visible);
    if (mode === DisplayModes.Nothing) return;
    this.EndPlayback();
    if (mode === DisplayModes.ProjectionTable) this.ShowTable();
    else this.ShowChart(mode);
  }

  CanPlayProjection(): boolean { return core.canPlayProjection(app.viewsShown()); }

  PlayProjection(): void {
    if (!this.CanPlayProjection()) return;
    const mode = core.playbackMode();
    this.ShowChart(mode);
    this.playback.Start(mode);
  }

  tableShown(): boolean { return !this.area.memo.hidden; }
  copyKind(): 'table' | 'chart' | '' { return core.copiedBy('projection', this.tableShown()).what; }
  printKind(): 'table' | 'chart' | '' { return core.printedBy('projection', this.tableShown()).what; }
  chartSize(): { width: number; height: number } { return { width: this.area.width, height: this.area.height }; }
  drawChart(canvas: WebCanvas, withCursor: boolean): void { this.area.chart?.drawOn(canvas, withCursor); }
}
