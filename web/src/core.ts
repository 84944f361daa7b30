// The compiled program core (web/bindings.cpp), loaded from core.js: the
// model, the input rules, the table texts and the chart renderers.
import type { CoreCanvas } from './canvas';

export interface ChartSurface extends CoreCanvas {
  setScrollRanges(width: number, height: number): void;
  verticalScrollPos(): number;
  showCanvas(): void;
  invalidate(): void;
}

export interface Chart {
  paint(): void;
  mouseUp(left: boolean, x: number, y: number): void;
  cursorKey(key: 'up' | 'down' | 'left' | 'right'): void;
  removeCursor(): void;
  drawOn(canvas: CoreCanvas, withCursor: boolean): void;
  percent(): boolean;
  setPercent(on: boolean): void;
  compared(): boolean;
  showsOutline(census: boolean): boolean;
  chooseBaseYearOutline(): void;
  chooseCensusOutline(year: number): void;
  comparedWithoutMigration(): boolean;
  chooseWithoutMigrationOutline(): void;
  endComparison(): void;
  comparedWithActual(): boolean;
  compareWithActual(): void;
  startPlayback(displayMode: number): boolean;
  stepPlayback(): boolean;
  endPlayback(): void;
}

export interface NumberText { value: number; valid: boolean }
export interface ListedYear { entry: number; line: number; column: number; length: number }
export interface DrawnYear { entry: number; left: number; top: number; right: number; bottom: number }
// An age profile the migration dialog offers: its name, the net migration
// it proposes, whether it is in force, the year it was taken from (0: standard).
export interface MigrationChoice { name: string; proposedNet: number; inForce: boolean; year: number }
export interface LifetimeGrid { colCount: number; fixedRows: number; cells: string[][]; widthTexts: string[]; resultLines: string[] }

export interface Core {
  // Model and state
  loadAllData(): void;
  listBaseYears(): void;
  listCensusYears(): void;
  setUpProjection(): void;
  // The projection view's commands (model/ProjectionCommands.h).
  projectionCommands(): { projection: boolean; continue: boolean; ageGroups: boolean };
  setProjectionCommandsAvailable(available: boolean): void;
  beginProjectionInputs(): void;
  acceptProjectionInputs(): void;
  cancelProjectionInputs(): void;
  finishProjectionInputs(): boolean;
  makeProjectionTable(): void;
  makeProjectionChart(mode: number): void;
  beginContinuation(): { ask: boolean; proposedYear: number };
  finishContinuation(): boolean;
  beginBaseYearChoice(): void;
  finishBaseYearChoice(): boolean;
  acceptBaseYear(year: number): void;
  cancelBaseYear(): void;
  runProjection(): void;
  groupCensus(): number;
  computeGroupTotals(): void;
  get(name: string): any;
  set(name: string, value: unknown): void;
  yearChoices(): number[];
  hasBaseDataSet(year: number): boolean;
  // The year of the data set a projection from this year uses.
  baseDataSetYear(year: number): number;
  saveState(): void;
  restoreState(): void;

  // Input rules
  filterKey(keys: string, ch: string): string;
  sortsAfterBlank(text: string): boolean;
  readWholeNumber(text: string): NumberText;
  readAgeInterval(text: string): { valid: boolean; from: number; to: number };
  readLifetimeAge(text: string): number;
  ageTooHighMessage(): string;
  checkProjectionInputs(children: string, year: string, retirement: string): { filled: boolean; inputError: number };
  projectionInputMessage(inputError: number): string;
  projectionInputCaption(): string;
  checkNetMigration(text: string): { filled: boolean; valid: boolean; value: number };
  netMigrationMessage(): string;
  migrationProfileName(): string;
  // The profiles offered (the one in force among them) and putting one in force.
  migrationChoices(): MigrationChoice[];
  chooseMigration(index: number, netMigration: number): void;
  // The year the profile in force was taken from; 0 for the standard profile.
  migrationProfileYear(): number;
  // The projection in force computed again with the inputs now in the state.
  rerunProjection(): void;

  // Table texts and year lists
  buildProjectionTable(): void;
  addActualPopulationLine(): void;
  hasActualPopulation(year: number): boolean;

  // Statistikbanken's files
  importStatbankFile(bytes: Uint8Array): { ok: boolean; message: string };
  forgetStatbankImports(): void;
  hasStatbankImports(): boolean;
  statbankImportsText(): string;
  restoreStatbankImports(text: string): void;
  startFromNewestImport(): boolean;
  modelTextLines(decimalSeparator: string): string[];
  buildCensusTable(): void;
  historicalTable(which: string): string[];
  baseYearListLines(): string[];
  censusYearListLines(): string[];
  baseYearPositions(): ListedYear[];
  censusYearPositions(): ListedYear[];
  baseYearAtClick(x: number, y: number, drawn: DrawnYear[], scrolled: boolean): number;
  // The base year of the list's entry k (from 1); 0 past the list.
  listedBaseYear(entry: number): number;
  censusYearAtClick(x: number, y: number, drawn: DrawnYear[]): number;
  projectionInForce(): boolean;
  projectionHasYearsToPlay(): boolean;
  populationViewOnShow(kind: 'projection' | 'census', tableShown: boolean): 'table' | 'chart' | '';
  lifetimeViewOnShow(gridShown: boolean): 'table' | 'chart' | '';
  censusIntervalLines(): string[];
  ageGroupPrintLines(interval: string, projected: string[], historical: string[], historicalLineCount: number): string[];
  ageGroupCopyLines(projected: string[], historical: string[]): string[];
  projectedIntervalLines(years: number[]): string[];

  // Lifetime
  lifetimeGet(name: string): any;
  lifetimeSet(name: string, value: number): void;
  readLifetimeSexes(sexA: string, sexB: string): void;
  lifetimeInputsValid(): boolean;
  computeLifetimeResults(): boolean;
  buildLifetimeTable(): boolean;
  lifetimeGrid(): LifetimeGrid;
  shownResultLines(): string[];
  drawLifetimeGraph(canvas: CoreCanvas, kind: 'screen' | 'picture' | 'printer', width: number, height: number): void;
  drawLifetimeCursor(canvas: CoreCanvas, viewHeight: number): void;
  lifetimeCursorXAfterStep(step: number): number;

  // Printouts and copies
  headedLines(heading: string, lines: string[]): string[];
  headingIsUsed(heading: string): boolean;
  linesAsText(lines: string[]): string;
  saveFileTypes(table: boolean): string[];
  resolveSaveTarget(path: string, chosenType: string, table: boolean): { path: string; type: string; message: string };
  // CSV files as their bytes (a byte-order mark first).
  projectionCsv(): Uint8Array<ArrayBuffer>;
  lifetimeCsv(): Uint8Array<ArrayBuffer>;
  censusTableCsv(): { csv: Uint8Array<ArrayBuffer>; name: string };

  Chart: new (kind: 'projection' | 'census', surface: ChartSurface) => Chart;
}

declare const LysvandreCore: () => Promise<Core>;

export let core: Core;

export async function loadCore(): Promise<Core> {
  core = await LysvandreCore();
  return core;
}

// A field's key filter: each typed character through the core's rule for
// its set of keys ("digits", "decimal", "interval", "sex").
// A field's key filter; a field of figures also asks a phone for its
// number keyboard (the filter still decides what is typed).
export function keyFilter(keys: string): ((ch: string) => string) & { inputMode?: 'numeric' | 'decimal' } {
  const filter = (ch: string): string => (ch === '\r' ? '' : core.filterKey(keys, ch));
  const inputMode: 'numeric' | 'decimal' | undefined = keys === 'digits' ? 'numeric' : keys === 'decimal' || keys === 'interval' ? 'decimal' : undefined;
  return Object.assign(filter, { inputMode });
}
