// The lifetime view (Form2): one or two persons' ages and sexes, their
// survival table and their survival graph with its click cursor.
import { enable } from './app';
import { core } from './core';
import type { Output } from './output';
import { ViewWindow } from './view';

export class LifetimeView extends ViewWindow {
  output: Output | null = null;
  readonly buttons: Record<string, HTMLButtonElement> = {};

  constructor() {
    super('Form2', 'Levetid');
  }

  DisableOwnCommands(): void {
    for (const n of ['Graf1', 'Tabel1']) enable(n, false);
  }

  StartOnePerson(): void {}
  StartTwoPersons(): void {}
  ShowLifetimeGraph(): void {}
  oversigter(): void {}
  PrintView(): void {}
  async CopyView(): Promise<void> { void core; }
}
