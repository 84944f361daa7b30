// The compiled core's functions as web/bindings.cpp registers them, written
// by web/declarations.mjs from those registrations: do not edit.
import type { ChartSurface, CoreCanvas } from './canvas';

export interface StateFields {
  ChartOriginY: number;
  DisplayMode: number;
  YearsToProject: number;
  ScaleStep: number;
  GroupCount: number;
  GroupSpan: number;
  SavedScrollPos: number;
  CursorLineX: number;
  BaseYear: number;
  TargetYear: number;
  SavedTargetYear: number;
  RetirementAge: number;
  ClickX: number;
  IntervalFrom: number;
  IntervalTo: number;
  NetMigration: number;
  LifetimeGraphShown: boolean;
  LifetimeViewActive: boolean;
  InputsAccepted: boolean;
  ExactFigures: boolean;
  ChildrenPerFamily: number;
  TotalMale: number;
  TotalFemale: number;
  ChartUnit: number;
  OutliveChanceText: string;
}

export interface LifetimeInputs {
  ageA: number;
  ageB: number;
  personCount: number;
  sexCode: string;
  shownPersonCount: number;
}

export interface ProjectionCommandState {
  projection: boolean;
  continue: boolean;
  ageGroups: boolean;
}

export interface Continuation {
  ask: boolean;
  proposedYear: number;
}

export interface NumberText {
  value: number;
  valid: boolean;
}

export interface AgeIntervalRead {
  valid: boolean;
  from: number;
  to: number;
}

export interface ProjectionInputCheck {
  filled: boolean;
  inputError: number;
}

export interface NetMigrationCheck {
  filled: boolean;
  valid: boolean;
  value: number;
}

export interface MigrationOffer {
  name: string;
  proposedNet: number;
  inForce: boolean;
  year: number;
}

export interface SaveTarget {
  path: string;
  type: string;
  message: string;
}

export interface StatbankImportResult {
  ok: boolean;
  message: string;
}

export interface CensusCsvFile {
  csv: Uint8Array<ArrayBuffer>;
  name: string;
}

export interface ListedYear {
  entry: number;
  line: number;
  column: number;
  length: number;
}

export interface DrawnYear {
  entry: number;
  left: number;
  top: number;
  right: number;
  bottom: number;
}

export interface LifetimeGrid {
  colCount: number;
  fixedRows: number;
  cells: string[][];
  widthTexts: string[];
  resultLines: string[];
}

export interface CensusCommandState {
  census: boolean;
  print: boolean;
}

export interface CensusChoice {
  year: number;
  valid: boolean;
}

export interface LifetimeCommandState {
  results: boolean;
  print: boolean;
}

export interface AgeGroupOpening {
  projectionListed: boolean;
  yearCaption: string;
}

export interface AgeGroupLines {
  projected: string[];
  historical: string[];
}

export interface ViewsShown {
  lifetimeFront: boolean;
  lifetimeGrid: boolean;
  projection: boolean;
  projectionTable: boolean;
  census: boolean;
  censusTable: boolean;
}

export interface OutputChoice {
  view: 'lifetime' | 'projection' | 'census' | '';
  what: 'table' | 'chart' | '';
  name: string;
}

export interface MenuItemState {
  enabled: boolean;
  checked: boolean;
  visible: boolean;
  caption: string;
}

export interface ExtraMenuState {
  Afspilprognose1: MenuItemState;
  Sammenlign1: MenuItemState;
  Sammenlignfolketlling1: MenuItemState;
  Sammenlignudenindvandring1: MenuItemState;
  Sammenlignfaktisk1: MenuItemState;
  Visiprocent1: MenuItemState;
  Gemsom1: MenuItemState;
  Kopierlink1: MenuItemState;
  Glemindlstetal1: MenuItemState;
}

export interface Constants {
  DisplayModes: { readonly Nothing: number; readonly ProjectionTable: number; readonly ProjectionPyramid: number; readonly ProjectionTotalGraph: number; readonly ContinuedTable: number; readonly CensusTable: number; readonly CensusPyramid: number; readonly CensusTotalGraph: number; };
  ActiveViews: { readonly None: number; readonly Lifetime: number; readonly Projection: number; readonly Census: number; };
  Limits: { readonly LastTargetYear: number; readonly AgeGroupYears: number; readonly AgeGroupHistoricalLines: number; readonly MaxLifetimeAge: number; readonly MaxAge: number; };
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
  delete(): void;
}

export interface CoreBinding {
  bindingDeclarations(preamble: string): string;
  declaredNames(): { functions: Record<string, number>; classes: Record<string, Record<string, number>>; problems: string[] };
  constants(): Constants;
  state(): StateFields;
  tableLines(): string[];
  printLines(): string[];
  clearTableLines(): void;
  setBaseYear(year: number): void;
  setTargetYear(year: number): void;
  setSavedTargetYear(year: number): void;
  setYearsToProject(years: number): void;
  setDisplayMode(mode: number): void;
  setCursorLineX(x: number): void;
  setClickX(x: number): void;
  setSavedScrollPos(pos: number): void;
  setNetMigration(persons: number): void;
  setExactFigures(on: boolean): void;
  setInputsAccepted(on: boolean): void;
  setLifetimeGraphShown(on: boolean): void;
  setLifetimeViewActive(on: boolean): void;
  saveState(): void;
  restoreState(): void;
  loadAllData(): void;
  listBaseYears(): void;
  listCensusYears(): void;
  yearChoices(): number[];
  hasBaseDataSet(year: number): boolean;
  baseDataSetYear(year: number): number;
  setUpProjection(): void;
  runProjection(): void;
  rerunProjection(): void;
  groupCensus(): number;
  computeGroupTotals(): void;
  projectionCommands(): ProjectionCommandState;
  setProjectionCommandsAvailable(available: boolean): void;
  beginProjectionInputs(): void;
  acceptProjectionInputs(): void;
  cancelProjectionInputs(): void;
  finishProjectionInputs(): boolean;
  makeProjectionTable(): void;
  makeProjectionChart(mode: number): void;
  beginContinuation(): Continuation;
  finishContinuation(): boolean;
  beginBaseYearChoice(): void;
  finishBaseYearChoice(): boolean;
  acceptBaseYear(year: number): void;
  cancelBaseYear(): void;
  projectionInForce(): boolean;
  projectionHasYearsToPlay(): boolean;
  filterKey(keys: 'digits' | 'decimal' | 'interval' | 'sex' | 'signed' | 'any', ch: string): string;
  sortsAfterBlank(text: string): boolean;
  readWholeNumber(text: string): NumberText;
  enterAgeInterval(text: string): AgeIntervalRead;
  readLifetimeAge(text: string): number;
  ageTooHighMessage(): string;
  checkProjectionInputs(children: string, year: string, retirement: string): ProjectionInputCheck;
  projectionInputMessage(inputError: number): string;
  projectionInputCaption(): string;
  checkNetMigration(text: string): NetMigrationCheck;
  netMigrationMessage(): string;
  migrationProfileName(): string;
  migrationChoices(): MigrationOffer[];
  chooseMigration(index: number, netMigration: number): void;
  migrationProfileYear(): number;
  buildProjectionTable(): void;
  buildCensusTable(): void;
  addActualPopulationLine(): void;
  hasActualPopulation(year: number): boolean;
  modelTextLines(decimalSeparator: ',' | '.'): string[];
  setHistoricalTable(which: 'lifeExpectancy' | 'mortality' | 'fertility'): void;
  baseYearListLines(): string[];
  censusYearListLines(): string[];
  baseYearPositions(): ListedYear[];
  censusYearPositions(): ListedYear[];
  baseYearAtClick(x: number, y: number, drawn: DrawnYear[], scrolled: boolean): number;
  listedBaseYear(entry: number): number;
  censusYearAtClick(x: number, y: number, drawn: DrawnYear[]): number;
  populationViewOnShow(kind: 'projection' | 'census', tableShown: boolean): 'table' | 'chart' | '';
  lifetimeViewOnShow(gridShown: boolean): 'table' | 'chart' | '';
  censusIntervalLines(): string[];
  projectedIntervalLines(years: number[]): string[];
  ageGroupPrintLines(interval: string, projected: string[], historical: string[], historicalLineCount: number): string[];
  ageGroupCopyLines(projected: string[], historical: string[]): string[];
  lifetimeInputs(): LifetimeInputs;
  setLifetimeAge(person: number, age: number): void;
  setLifetimePersonCount(count: number): void;
  readLifetimeSexes(sexA: string, sexB: string): void;
  lifetimeInputsValid(): boolean;
  computeLifetimeResults(): boolean;
  buildLifetimeTable(): boolean;
  lifetimeGrid(): LifetimeGrid;
  shownResultLines(): string[];
  drawLifetimeGraph(canvas: CoreCanvas, kind: 'screen' | 'picture' | 'printer', width: number, height: number): void;
  drawLifetimeCursor(canvas: CoreCanvas, viewHeight: number): void;
  lifetimeCursorXAfterStep(step: number): number;
  headingIsUsed(heading: string): boolean;
  headedLines(heading: string, lines: string[]): string[];
  linesAsText(lines: string[]): string;
  saveFileTypes(table: boolean): string[];
  resolveSaveTarget(path: string, chosenType: string, table: boolean): SaveTarget;
  projectionCsv(): Uint8Array<ArrayBuffer>;
  lifetimeCsv(): Uint8Array<ArrayBuffer>;
  censusTableCsv(): CensusCsvFile;
  importStatbankFile(bytes: Uint8Array): StatbankImportResult;
  warmStatbankReader(): boolean;
  forgetStatbankImports(): void;
  hasStatbankImports(): boolean;
  statbankImportsText(): string;
  restoreStatbankImports(text: string): void;
  startFromNewestImport(): boolean;
  censusCommands(): CensusCommandState;
  beginCensusChoice(): CensusChoice;
  censusYearTyped(text: string): CensusChoice;
  acceptCensusYear(): void;
  cancelCensusYear(): void;
  beginCensusInput(): void;
  finishCensusInput(accepted: boolean): boolean;
  resetCensusCommands(): void;
  makeCensusTable(): void;
  makeCensusChart(mode: number): void;
  makeHistoricalTable(which: 'lifeExpectancy' | 'mortality' | 'fertility'): void;
  lifetimeCommands(): LifetimeCommandState;
  clearLifetimeResults(): void;
  startLifetimePersons(count: number): void;
  lifetimeInputChanged(): void;
  storeLifetimeAge(person: number, text: string): boolean;
  acceptLifetimeInputs(sexA: string, sexB: string): 'table' | 'graph' | '';
  makeLifetimeTableView(): LifetimeGrid;
  makeLifetimeGraphView(): boolean;
  shownLifetimeResultLines(): string[];
  clickLifetimeCursor(canvas: CoreCanvas, left: boolean, x: number, viewHeight: number): void;
  stepLifetimeCursor(canvas: CoreCanvas, step: number, viewHeight: number): void;
  beginAgeGroupVisit(): void;
  endAgeGroupVisit(): void;
  openAgeGroups(): AgeGroupOpening;
  startAgeGroupYears(): void;
  readAgeGroupInterval(text: string): boolean;
  ageGroupYearTyped(text: string): boolean;
  clearAgeGroupYears(): void;
  makeAgeGroupResult(): AgeGroupLines;
  ageGroupPrintout(heading: string, interval: string, projected: string[], historical: string[]): string[];
  ageGroupCopiedLines(heading: string, projected: string[], historical: string[]): string[];
  printedBy(view: 'lifetime' | 'projection' | 'census', tableShown: boolean): OutputChoice;
  copiedBy(view: 'lifetime' | 'projection' | 'census', tableShown: boolean): OutputChoice;
  printChoice(shown: ViewsShown): OutputChoice;
  copyChoice(activeView: number, shown: ViewsShown): OutputChoice;
  saveChoice(shown: ViewsShown): OutputChoice;
  savedTableCsv(): Uint8Array<ArrayBuffer>;
  headedTableLines(heading: string): string[];
  offeredSaveType(table: boolean): string;
  chooseSaveType(table: boolean, chosen: string): string;
  activateHeadingDialog(field: string): void;
  acceptHeading(field: string): string;
  cancelHeading(): string;
  extraMenu(shown: ViewsShown, projection: Chart, census: Chart): ExtraMenuState;
  beginCensusOutline(chart: Chart): boolean;
  finishCensusOutline(chart: Chart, chosen: boolean, year: number): void;
  canPlayProjection(shown: ViewsShown): boolean;
  playbackMode(): number;
  canCompareWithActual(shown: ViewsShown): boolean;
  projectAgain(projectionShown: boolean): number;
  startNewestImportProjection(): boolean;
  forgetImportedProjection(): boolean;
  Chart: new (kind: 'projection' | 'census', surface: ChartSurface) => Chart;
}
