// Printing (the browser's print dialog over a print style sheet) and copying
// to the clipboard, for whichever view asks, and the heading dialog.
import { WebCanvas } from './canvas';
import { core } from './core';
import { button, Dialog, el, field, label, messageBox } from './ui';
import type { ChartArea } from './view';

// What printing and copying need from a view.
export interface OutputView {
  area?: ChartArea;
  // Whether the view shows its table (else its chart).
  tableShown(): boolean;
  // What copying acts on: the table, the chart, or nothing.
  copyKind(): 'table' | 'chart' | '';
  // What "Udskriv" prints now: the table, the chart, or nothing.
  printKind(): 'text' | 'chart' | null;
  // Draws the chart on a canvas (printer or picture); withCursor for copies.
  drawChart(canvas: WebCanvas, withCursor: boolean): void;
  // The chart's size on screen.
  chartSize(): { width: number; height: number };
}

// The browser refused the clipboard (no permission, or no secure page).
export const ClipboardRefused = 'Klippebordet kan ikke bruges i denne browser.';

export class HeadingDialog extends Dialog {
  readonly Edit1 = field('Edit1', 'Navn eller overskrift til udskrifter');
  readonly BitBtn1: HTMLButtonElement;
  HeadingText = '';
  private SavedHeading = '';

  constructor() {
    super('Overskrif', '   Overskrift', 393, 130);
    this.place(el('div', { class: 'bevel', 'data-name': 'Bevel1' }), 16, 8, 361, 73);
    this.place(label('Label1', ' Navn eller overskrift til udskrifter: '), 24, 16);
    this.place(this.Edit1, 24, 40, 345, 24);
    this.BitBtn1 = this.place(button('BitBtn1', 'OK', () => { this.HeadingText = this.Edit1.value; this.close(); }), 40, 92, 89, 33);
    // The field keeps what was typed; only the heading goes back.
    this.place(button('BitBtn2', '&Fortryd', () => this.cancel()), 248, 92, 89, 33);
    this.defaultButton = this.BitBtn1;
    this.onCancel = () => this.cancel();
    // Enter in the field goes on to OK; a second Enter presses it.
    this.onEnter = (target) => {
      if (target !== this.Edit1) return false;
      this.BitBtn1.focus();
      return true;
    };
    this.onShow = () => { this.Edit1.focus(); this.SavedHeading = this.Edit1.value; };
  }

  private cancel(): void {
    this.HeadingText = this.SavedHeading;
    this.close();
  }
}

export class Output {
  private readonly sheet: HTMLDivElement;
  // What "Udskriv" does now; the browser's own print command does the same.
  printOnShow: (() => void) | null = null;
  private printing = false;
  private fillOnly = false;
  constructor(readonly heading: HeadingDialog, host: HTMLElement) {
    this.sheet = el('div', { id: 'printout', 'aria-hidden': 'true' });
    host.append(this.sheet);
    window.addEventListener('beforeprint', () => this.beforeBrowserPrint());
    window.addEventListener('afterprint', () => document.body.removeAttribute('data-print-screen'));
  }

  AskHeading(): Promise<void> { return this.heading.show(); }

  private headed(lines: string[]): string[] { return core.headedLines(this.heading.HeadingText, lines); }

  // Fills the print sheet; the browser lays out the pages under @page.
  PrintHeadedLines(lines: string[]): void { this.PrintLines(this.headed(lines)); }

  // Lines exactly as given, heading included or not.
  PrintLines(lines: string[]): void {
    this.sheet.replaceChildren(el('pre', { class: 'printtext', text: lines.join('\n') }));
    this.print();
  }

  // The heading when it is used, then the lines, as text and as HTML.
  async CopyLines(lines: string[]): Promise<void> {
    try {
      await this.writeText(this.headed(lines));
    } catch {
      await messageBox(ClipboardRefused, 'Fejl');
    }
  }

  private async writeText(lines: string[]): Promise<void> {
    const text = lines.join('\n');
    // Bold monospace without a style attribute: the browser parses the HTML
    // under the page's content security policy, which allows no inline style.
    const html = '<pre><b>' +
      lines.map((l) => l.replace(/&/g, '&amp;').replace(/</g, '&lt;')).join('\n') + '</b></pre>';
    await navigator.clipboard.write([new ClipboardItem({
      'text/plain': new Blob([text], { type: 'text/plain' }),
      'text/html': new Blob([html], { type: 'text/html' }),
    })]);
  }

  // A 640 x 480 chart under the heading, scaled onto one page.
  private printChart(view: OutputView): void {
    const canvas = el('canvas');
    const c = new WebCanvas(canvas, 640, 480, 3);
    c.printer = true;
    view.drawChart(c, false);
    const heading = this.heading.HeadingText;
    this.sheet.replaceChildren(
      core.headingIsUsed(heading) ? el('div', { class: 'printheading', text: heading }) : '',
      el('img', { class: 'printchart', src: canvas.toDataURL('image/png'), alt: '' }));
    this.print();
  }

  // The print style sheet shows only the sheet.
  private print(): void {
    if (this.fillOnly) return;
    this.printing = true;
    try { window.print(); } finally { this.printing = false; }
  }

  // The browser's own print (its menu, its Ctrl+P) fills the sheet as
  // "Udskriv" would; with nothing to print it prints the page as it looks.
  private beforeBrowserPrint(): void {
    if (this.printing) return;
    this.sheet.replaceChildren();
    this.fillOnly = true;
    try { this.printOnShow?.(); } finally { this.fillOnly = false; }
    document.body.toggleAttribute('data-print-screen', !this.sheet.hasChildNodes());
  }

  PrintView(view: OutputView): void {
    const kind = view.printKind();
    if (kind === 'text') this.PrintHeadedLines(core.tableLines());
    else if (kind === 'chart') this.printChart(view);
  }

  // Nothing on show leaves the clipboard as it was.
  async CopyView(view: OutputView): Promise<void> {
    const kind = view.copyKind();
    if (!kind) return;
    try {
      if (kind === 'table') {
        await this.writeText(this.headed(core.tableLines()));
      } else {
        const size = view.chartSize();
        const canvas = el('canvas');
        const c = new WebCanvas(canvas, size.width, size.height + 80, 1);
        view.drawChart(c, true);
        const png = await new Promise<Blob>((ok, fail) => canvas.toBlob((b) => (b ? ok(b) : fail(new Error('no picture'))), 'image/png'));
        await navigator.clipboard.write([new ClipboardItem({ 'image/png': png })]);
      }
    } catch {
      await messageBox(ClipboardRefused, 'Fejl');
    }
  }
}
