// "Indlæs tal fra Statistikbanken": a file chosen or dropped on the page is
// read by the core; the tables it holds stay in the browser's storage until
// "Glem indlæste tal".
import { core } from './core';
import { el, messageBox, modalOpen } from './ui';

const StorageKey = 'lysvandre.statistikbanken';
// The core refuses anything larger; one byte more lets it say so without the
// page reading a huge file.
const LargestFile = 50 * 1024 * 1024 + 1;
export const ImportCaption = 'Statistikbanken';

// The tables remembered from an earlier visit.
export function RestoreImports(): void {
  let text: string | null = null;
  try { text = window.localStorage.getItem(StorageKey); } catch { /* storage refused: nothing remembered */ }
  if (text) core.restoreStatbankImports(text);
}

// The imported tables into the browser's storage; the reason when it refused.
function Remember(): string {
  try {
    const text = core.statbankImportsText();
    if (text) window.localStorage.setItem(StorageKey, text);
    else window.localStorage.removeItem(StorageKey);
    return '';
  } catch {
    return 'Browseren kunne ikke gemme tallene til næste gang; de gælder, til siden lukkes.';
  }
}

export class StatbankImport {
  private readonly input = el('input', { type: 'file', 'data-name': 'OpenFileDialog', hidden: true,
    accept: '.csv,.px,.txt,text/csv' }) as HTMLInputElement;

  // shown: what the page does after a file was read (the newest year's table).
  constructor(private readonly shown: () => void) {
    document.body.append(this.input);
    this.input.addEventListener('change', () => {
      const file = this.input.files?.[0];
      this.input.value = '';
      if (file) void this.Import(file);
    });
    // A file dropped anywhere on the page is read as if chosen.
    document.addEventListener('dragover', (e) => {
      if (e.dataTransfer?.types.includes('Files')) e.preventDefault();
    });
    document.addEventListener('drop', (e) => {
      const file = e.dataTransfer?.files?.[0];
      if (!file) return;
      e.preventDefault();
      if (!modalOpen()) void this.Import(file);
    });
  }

  Choose(): void { this.input.click(); }

  async Import(file: Blob): Promise<void> {
    let bytes: Uint8Array;
    try {
      bytes = new Uint8Array(await file.slice(0, LargestFile).arrayBuffer());
    } catch {
      await messageBox('Filen kan ikke læses.', 'Fejl');
      return;
    }
    const result = core.importStatbankFile(bytes);
    if (!result.ok) {
      await messageBox(result.message, 'Fejl');
      return;
    }
    const problem = Remember();
    this.shown();
    await messageBox(problem ? `${result.message}\n${problem}` : result.message, ImportCaption);
  }

  async Forget(): Promise<void> {
    core.forgetStatbankImports();
    const problem = Remember();
    await messageBox(problem || 'De indlæste tal er glemt.', ImportCaption);
  }
}
