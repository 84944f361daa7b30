// The Ekstra menu's chart commands, shared by the projection and census
// views: shares in percent, another population outlined over the chart,
// and playing a projection year by year.
import { core } from './core';
import type { CensusYearDialog } from './census';
import type { ChartArea } from './view';

export interface PopulationView {
  area: ChartArea;
  visible: boolean;
  pyramidMode: number;
  totalGraphMode: number;
}

// The view shows its pyramid or total graph.
export function ChartOnShow(v: PopulationView): boolean {
  const mode = core.state().DisplayMode;
  return v.visible && v.area.memo.hidden && (mode === v.pyramidMode || mode === v.totalGraphMode);
}

export function TogglePercent(v: PopulationView): void {
  v.area.chart?.setPercent(!v.area.chart.percent());
  v.area.invalidate();
}

// "Sammenlign med basisåret": the base year outlined in place of any
// other outline, or taken away when it is the one shown.
export function ChooseBaseYearOutline(v: PopulationView): void {
  if (!ChartOnShow(v) || !v.area.chart) return;
  v.area.chart.chooseBaseYearOutline();
  v.area.invalidate();
}

// "Sammenlign uden indvandring": the projection without net migration
// outlined in place of any other outline; taken away when it is the one shown.
export function ChooseWithoutMigrationOutline(v: PopulationView): void {
  if (!ChartOnShow(v) || !v.area.chart) return;
  v.area.chart.chooseWithoutMigrationOutline();
  v.area.invalidate();
}

// "Sammenlign med folketælling …": a census chosen in the census chooser,
// which works on the state (put back afterwards), outlined in place of any
// other outline; taken away when a census is the one shown.
export async function ChooseCensusOutline(v: PopulationView, chooser: CensusYearDialog): Promise<void> {
  if (!ChartOnShow(v) || !v.area.chart) return;
  if (v.area.chart.showsOutline(true)) {
    v.area.chart.endComparison();
    v.area.invalidate();
    return;
  }
  core.saveState();
  core.listCensusYears();
  await chooser.show();
  const chosen = chooser.accepted && chooser.ChosenCensusYearValid;
  const year = chooser.ChosenCensusYear;
  core.restoreState();
  if (!chosen) return;
  v.area.chart.chooseCensusOutline(year);
  v.area.invalidate();
}

// Plays the projection year by year, ten years a second, until its target
// year; a key or a click stops it at the year reached.
export class Playback {
  private timer = 0;
  private readonly stop = (): void => this.Stop();

  constructor(readonly area: ChartArea) {}

  get playing(): boolean { return this.timer !== 0; }

  Start(displayMode: number): void {
    if (!this.area.chart?.startPlayback(displayMode)) return;
    this.area.paint();
    this.timer = window.setInterval(() => this.Tick(), 100);
    window.addEventListener('keydown', this.stop, true);
    window.addEventListener('mousedown', this.stop, true);
  }

  private Tick(): void {
    if (this.area.chart?.stepPlayback()) { this.area.paint(); return; }
    this.End();
    this.area.paint();
  }

  // Stops at the year reached, which stays on show until the next command.
  Stop(): void {
    window.clearInterval(this.timer);
    this.timer = 0;
    window.removeEventListener('keydown', this.stop, true);
    window.removeEventListener('mousedown', this.stop, true);
  }

  // The view's own state drawn again from now on.
  End(): void {
    this.Stop();
    this.area.chart?.endPlayback();
  }
}
