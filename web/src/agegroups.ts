// The age-group dialog (BtnBottomDlg1): persons in an age interval for
// projected years beside the historical censuses.
import { core, keyFilter, Limits } from './core';
import type { ProjectionView } from './projection';
import type { Output } from './output';
import { Dialog, el, field, label } from './ui';

export class AgeGroupDialog extends Dialog {
  projection: ProjectionView | null = null;
  output: Output | null = null;
  readonly Edit1 = field('Edit1', 'Aldersinterval (a..b)', keyFilter('interval'));
  readonly Edit2 = field('Edit2', 'Nyt årstal', keyFilter('digits'));
  readonly Label2 = label('Label2', 'Nyt årstal:');
  readonly Memo1 = el('pre', { class: 'memo agememo', 'data-name': 'Memo1', role: 'textbox', 'aria-readonly': 'true', 'aria-label': 'Fremskrevne data', tabindex: '0' });
  readonly Memo2 = el('pre', { class: 'memo agememo', 'data-name': 'Memo2', role: 'textbox', 'aria-readonly': 'true', 'aria-label': 'Historiske data', tabindex: '0' });
  readonly tools: Record<string, HTMLButtonElement> = {};
  private ProjectionListed = false;
  private OpeningTargetYear = 0;
  private YearList: number[] = [];  // [1] the base year, [2..] the target years
  private HistoricalLineCount = 0;

  constructor() {
    super('BtnBottomDlg1', '  Aldersgrupper', 723, 506, '', true);
    const panel = this.place(el('div', { class: 'panel raised', 'data-name': 'Panel1' }), 0, 0, 723, 57);
    const tool = (n: string, x: number, y: number, hint: string, glyph: string, run: () => void, parent: HTMLElement = panel) => {
      const b = el('button', { type: 'button', class: 'tool', 'data-name': n, 'aria-label': hint, title: hint },
        el('span', { class: 'glyph ' + glyph, 'aria-hidden': 'true' }));
      b.addEventListener('click', () => { if (!b.disabled) void run(); });
      Object.assign(b.style, { position: 'absolute', left: x + 'px', top: y + 'px' });
      parent.append(b);
      this.tools[n] = b;
    };
    panel.append(Object.assign(el('div', { class: 'bevel', 'data-name': 'Bevel2' }), { style: 'position:absolute;left:20px;top:8px;width:113px;height:41px' }));
    panel.append(Object.assign(el('div', { class: 'bevel', 'data-name': 'Bevel4' }), { style: 'position:absolute;left:152px;top:8px;width:41px;height:41px' }));
    tool('SpeedButton1', 24, 12, 'Udskriv tabellen', 'print', () => this.SpeedButton1Click());
    tool('SpeedButton2', 60, 12, 'Navn eller overskrift til udskrifter', 'heading', () => this.output?.AskHeading());
    tool('SpeedButton3', 96, 12, 'Kopier til Klippebordet', 'copy', () => this.SpeedButton3Click());
    tool('SpeedButton4', 156, 12, 'Luk', 'close', () => this.close());
    this.place(label('Label1', 'Aldersinterval (a..b):'), 56, 68);
    this.place(this.Edit1, 280, 64, 65, 24);
    this.place(el('div', { class: 'bevel', 'data-name': 'Bevel1' }), 16, 96, 329, 401);
    this.place(this.Label2, 32, 106);
    this.place(this.Edit2, 224, 104, 49, 24);
    this.place(el('div', { class: 'bevel', 'data-name': 'Bevel5' }), 244, 132, 81, 41);
    tool('SpeedButton5', 249, 136, 'Vis resultat', 'result', () => this.ShowResult(), this.body);
    tool('SpeedButton6', 287, 136, 'Slet alt', 'clear', () => this.SpeedButton6Click(), this.body);
    this.place(label('Label6', 'Fremskrevne data:'), 56, 152);
    this.place(this.Memo1, 24, 176, 313, 313).classList.add('vscroll');
    this.place(el('div', { class: 'bevel', 'data-name': 'Bevel3' }), 352, 96, 361, 401);
    this.place(label('Label7', 'Historiske data:'), 392, 112);
    this.place(this.Memo2, 360, 136, 345, 353);
    this.onCancel = () => this.close();
    this.Edit1.addEventListener('input', () => { this.tools.SpeedButton5.disabled = !this.ParseInterval(); });
    this.Edit2.addEventListener('input', () => this.Edit2Change());
    // Enter in either field shows the result for a valid interval.
    this.onEnter = (target) => {
      if (target === this.Edit1 || target === this.Edit2) { if (this.ParseInterval()) this.ShowResult(); return true; }
      return target instanceof HTMLButtonElement ? false : true;
    };
    this.onShow = () => this.FormShow();
  }

  private FormShow(): void {
    for (const f of [this.Edit1, this.Edit2]) f.value = '';
    this.Memo1.textContent = '';
    this.Memo2.textContent = '';
    // While the census view holds the shared state there is no projection
    // to list: only the censuses are, and no year can be added.
    this.ProjectionListed = core.projectionInForce();
    this.OpeningTargetYear = core.state().TargetYear;
    this.Label2.textContent = this.ProjectionListed ? `Nyt årstal (${core.state().BaseYear}..2099):` : 'Nyt årstal:';
    this.Label2.classList.toggle('disabled', !this.ProjectionListed);
    this.Edit2.disabled = !this.ProjectionListed;
    this.Edit1.focus();
    for (const n of ['SpeedButton1', 'SpeedButton3', 'SpeedButton5']) this.tools[n].disabled = true;
    this.YearList = [0, core.state().BaseYear, this.OpeningTargetYear];
  }

  private ParseInterval(): boolean {
    return core.enterAgeInterval(this.Edit1.value).valid;
  }

  private Edit2Change(): void {
    const text = this.Edit2.value;
    if (!core.sortsAfterBlank(text)) return;
    const n = core.readWholeNumber(text);
    if (!n.valid) return;  // only pasting gets here with something that is no year
    core.setTargetYear(n.value);
    if (n.value <= core.state().BaseYear || n.value >= Limits.LastTargetYear) return;  // added years stay below it
    if (this.YearList.length - 1 >= Limits.AgeGroupYears) return;  // a full list ignores further years
    this.YearList.push(n.value);
    this.tools.SpeedButton5.disabled = false;
  }

  ShowResult(): void {
    this.Memo2.textContent = core.censusIntervalLines().join('\n');
    this.Memo2.scrollTop = 0;
    this.HistoricalLineCount = Limits.AgeGroupHistoricalLines;
    this.Memo1.textContent = this.ProjectionListed ? core.projectedIntervalLines(this.YearList.slice(2)).join('\n') : '';
    this.tools.SpeedButton1.disabled = false;
    this.tools.SpeedButton3.disabled = false;
  }

  private memoLines(memo: HTMLElement): string[] {
    const text = memo.textContent ?? '';
    return text ? text.split('\n') : [];
  }

  private SpeedButton1Click(): void {
    this.output?.PrintHeadedLines(core.ageGroupPrintLines(this.Edit1.value, this.memoLines(this.Memo1),
      this.memoLines(this.Memo2), this.HistoricalLineCount));
  }

  private async SpeedButton3Click(): Promise<void> {
    await this.output?.CopyLines(core.ageGroupCopyLines(this.memoLines(this.Memo1), this.memoLines(this.Memo2)));
  }

  private SpeedButton6Click(): void {
    this.Memo1.textContent = '';
    this.Memo2.textContent = '';
    this.Edit1.value = '';
    this.Edit2.value = '';
    this.YearList = this.YearList.slice(0, 3);
    this.Edit1.focus();
  }
}
