// "Gem som ...": the view on show saved as a file the browser downloads. A
// table as text (the lines as printed, heading included) or CSV (its
// figures), a chart as a PNG picture (the clipboard picture) or a PDF page
// (the printout, through the browser's print dialog).
import { WebCanvas } from './canvas';
import { core } from './core';
import type { Output, OutputView } from './output';
import { button, Dialog, el, field, label, messageBox } from './ui';

export interface ViewOnShow {
  what: 'table' | 'chart';
  view: OutputView;
  name: string;      // the file name proposed, without a type
  csv?: Uint8Array<ArrayBuffer>;  // a table's figures, as the file's bytes
}


export class SaveDialog extends Dialog {
  readonly Edit1 = field('Edit1', 'Filnavn');
  readonly ComboBox1 = el('select', { 'data-name': 'ComboBox1', 'aria-label': 'Filtype' });
  private resolveChoice: ((c: { name: string; type: string } | null) => void) | null = null;

  constructor() {
    super('SaveDialog', 'Gem som', 420, 112);
    this.place(label('Label1', 'Filnavn:'), 16, 18);
    this.place(this.Edit1, 110, 14, 290, 24);
    this.place(label('Label2', 'Filtype:'), 16, 50);
    this.place(this.ComboBox1, 110, 46, 290, 24);
    const ok = this.place(button('OKBtn', '&Gem', () => this.finish(true)), 110, 80, 89, 27);
    this.place(button('CancelBtn', '&Fortryd', () => this.finish(false)), 311, 80, 89, 27);
    this.defaultButton = ok;
    this.onCancel = () => this.finish(false);
    this.onShow = () => { this.Edit1.focus(); this.Edit1.select(); };
  }

  // The name and type chosen, or null when cancelled.
  ask(name: string, types: string[], type: string): Promise<{ name: string; type: string } | null> {
    this.Edit1.value = name;
    this.ComboBox1.replaceChildren(...types.map((t) => el('option', { value: t, text: t })));
    this.ComboBox1.value = type;
    const answer = new Promise<{ name: string; type: string } | null>((r) => { this.resolveChoice = r; });
    void this.show();
    return answer;
  }

  private finish(ok: boolean): void {
    const r = this.resolveChoice;
    this.resolveChoice = null;
    this.close();
    r?.(ok && this.Edit1.value.trim() ? { name: this.Edit1.value.trim(), type: this.ComboBox1.value } : null);
  }
}

function download(name: string, data: Blob): void {
  const a = el('a', { href: URL.createObjectURL(data), download: name });
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 10000);
}

export class Saver {
  // The type chosen last for a table or a chart is offered first.
  private lastTableType = '';
  private lastChartType = '';

  constructor(readonly dialog: SaveDialog, readonly output: Output, readonly onShow: () => ViewOnShow | null) {}

  async SaveViewOnShow(): Promise<void> {
    const shown = this.onShow();
    if (!shown) return;
    const table = shown.what === 'table';
    const types = core.saveFileTypes(table);
    const answer = await this.dialog.ask(shown.name, types, (table ? this.lastTableType : this.lastChartType) || types[0]);
    if (!answer) return;
    const type = types.includes(answer.type) ? answer.type : types[0];
    if (table) this.lastTableType = type; else this.lastChartType = type;

    const target = core.resolveSaveTarget(answer.name, type, table);
    if (target.message) {
      await messageBox(target.message, 'Gem som');
      return;
    }
    const name = target.path;
    const suffix = target.type;

    if (suffix === 'txt') {
      const text = core.linesAsText(core.headedLines(this.output.heading.HeadingText, core.tableLines()));
      download(name, new Blob([text], { type: 'text/plain;charset=utf-8' }));
    } else if (suffix === 'csv') {
      download(name, new Blob([shown.csv ?? new Uint8Array()], { type: 'text/csv;charset=utf-8' }));
    } else if (suffix === 'png') {
      const size = shown.view.chartSize();
      const canvas = el('canvas');
      shown.view.drawChart(new WebCanvas(canvas, size.width, size.height + 80, 1), true);
      download(name, await new Promise<Blob>((ok) => canvas.toBlob((b) => ok(b ?? new Blob()), 'image/png')));
    } else {
      // A page can write no PDF itself: the printout goes to the browser's
      // print dialog, which saves it as PDF.
      this.output.PrintView(shown.view);
    }
  }
}
