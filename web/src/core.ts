// The compiled program core (web/bindings.cpp), loaded from core.js.
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
  removeCursor(): void;
  drawOn(canvas: CoreCanvas, withCursor: boolean): void;
}

export interface NumberText { value: number; valid: boolean }

export interface Core {
  loadAllData(): void;
  listBaseYears(): void;
  setUpProjection(): void;
  runProjection(): void;
  groupCensus(): number;
  computeGroupTotals(): void;
  ageIntervalSummary(): void;
  get(name: string): any;
  set(name: string, value: unknown): void;
  yearChoices(): number[];
  saveState(): void;
  restoreState(): void;
  readWholeNumber(text: string): NumberText;
  sortsAfterBlank(text: string): boolean;
  readDecimalNumber(text: string): NumberText;
  readAgeInterval(text: string): { valid: boolean; from: number; to: number };
  formatFixed(x: number, width: number, decimals: number): string;
  groupTableLines(kind: string): string[];
  listCensusYears(): void;
  historicalTable(which: string): string[];
  Chart: new (kind: 'projection' | 'census', surface: ChartSurface) => Chart;
}

declare const LysvandreCore: () => Promise<Core>;

export let core: Core;

export async function loadCore(): Promise<Core> {
  core = await LysvandreCore();
  return core;
}

export interface ListedYear { entry: number; line: number; column: number; length: number }
export interface DrawnYear { entry: number; left: number; top: number; right: number; bottom: number }

// The input rules and view texts of the core; see web/bindings.cpp.
export interface Rules {
  filterKey(keys: string, ch: string): string;
  sortsAfterBlank(text: string): boolean;
  checkProjectionInputs(children: string, year: string, retirement: string): { filled: boolean; inputError: number };
  projectionInputMessage(inputError: number): string;
  projectionInputCaption(): string;
  buildProjectionTable(): void;
  buildCensusTable(): void;
  baseYearListLines(): string[];
  censusYearListLines(): string[];
  baseYearPositions(): ListedYear[];
  censusYearPositions(): ListedYear[];
  baseYearAtClick(x: number, y: number, drawn: DrawnYear[]): number;
  censusYearAtClick(x: number, y: number, drawn: DrawnYear[]): number;
}

export function rules(): Core & Rules { return core as Core & Rules; }

export interface Output {
  headedLines(heading: string, lines: string[]): string[];
  headingIsUsed(heading: string): boolean;
}
export function outputCore(): Core & Output { return core as Core & Output; }
