// The main window (Form1): the menu bar, the start picture and the three
// views, created once at start in the desktop program's order.
import { app } from './app';
import { CensusView, CensusYearDialog } from './census';
import { ActiveViews, core, DisplayModes, loadCore, type StateFields } from './core';
import { makeAboutBox, makeGuide, Version } from './help';
import { LifetimeView } from './lifetime';
import { MenuBar, type MenuSpec } from './menu';
import { ClipboardRefused, HeadingDialog, Output, type OutputView } from './output';
import { baseYears, currentProjectionLink, linkMigration, projectionLinkProblem, readProjectionLink, type ProjectionLink } from './link';
import { SaveDialog, Saver, type ViewOnShow } from './save';
import { BaseYearDialog, InputDialog, ModelWindow, ProjectionView } from './projection';
import { AgeGroupDialog } from './agegroups';
import { ChartOnShow, ChooseBaseYearOutline, ChooseCensusOutline, ChooseWithoutMigrationOutline, TogglePercent } from './extra';
import { MigrationDialog } from './migration';
import { el, messageBox, modalOpen, setText } from './ui';
import { registerOfflineWorker } from './update';
import { showToolTipsOnLongPress } from './tooltips';
import { RestoreImports, StatbankImport } from './statbank';

async function start(): Promise<void> {
  const started = performance.now();
  await loadCore();

  const form1 = document.getElementById('Form1')!;
  const client = el('div', { class: 'client', 'data-name': 'ClientArea' });
  const image1 = el('img', { 'data-name': 'Image1', class: 'startpicture', src: 'start.jpg', alt: 'Lysvandre', width: 270, height: 220 });
  const memo1 = el('div', { 'data-name': 'Memo1', hidden: true, text: 'Memo1' });

  const hideOthersForProjection = (): void => {
    Form2.hide();
    Form4.ResetCensusView();
    Form4.hide();
  };
  const leaveProjection = (): void => {
    Form3.DisableProjectionActions();
    Form3.hide();
  };
  const specs: MenuSpec[] = [
    { name: 'Filer1', caption: '&Filer', items: [
      { name: 'Udskriv1', caption: 'Udskriv', shortcut: 'Ctrl+P', run: () => Udskriv1Click() },
      { name: 'Afslut1', caption: '&Afslut', run: () => Afslut1Click() },
    ] },
    { name: 'Rediger1', caption: 'Rediger', items: [
      { name: 'KopiertilKlippebordet1', caption: 'Kopier til Klippebordet', run: () => KopiertilKlippebordet1Click() },
    ] },
    { name: 'Levetid1', caption: '&Levetid', onOpen: () => { app.activeView = ActiveViews.Lifetime; }, items: [
      { name: 'enPerson', caption: 'Én person', run: () => { Form2.showView(); Form2.StartOnePerson(); } },
      { name: 'Topersoner1', caption: 'To personer', run: () => { Form2.showView(); Form2.StartTwoPersons(); } },
      { name: 'Graf1', caption: 'Graf', run: () => Form2.ShowLifetimeGraph() },
      { name: 'Tabel1', caption: 'Tabel', run: () => Form2.oversigter() },
    ] },
    { name: 'Prognose1', caption: '&Prognose', onOpen: () => { app.activeView = ActiveViews.Projection; }, items: [
      { name: 'Inddata1', caption: 'Inddata', run: () => { hideOthersForProjection(); void Form3.EnterInputs(); } },
      { name: 'Tabel2', caption: 'Tabel', run: () => Form3.ShowTable() },
      { name: 'Pyramide1', caption: 'Pyramide', run: () => Form3.ShowPyramid() },
      { name: 'Ialtgraf1', caption: 'I alt graf', run: () => Form3.ShowTotalGraph() },
      { name: 'Fortst1', caption: 'Fortsæt', run: () => void Form3.ContinueProjection() },
      { name: 'Basisr1', caption: 'Basisår', run: () => { hideOthersForProjection(); void Form3.ChooseBaseYear(); } },
    ] },
    { name: 'Aldersgrupper1', caption: 'Aldersgruppe', enabled: false, run: () => void Form3.ShowAgeGroups() },
    { name: 'Folketllinger1', caption: 'Folke&tællinger', onOpen: () => { app.activeView = ActiveViews.Census; }, items: [
      { name: 'Inddata2', caption: 'Inddata', run: () => { leaveProjection(); void Form4.StartCensusInput(); } },
      { name: 'Tabel3', caption: 'Tabel', run: () => Form4.ShowCensusTable() },
      { name: 'Pyramide2', caption: 'Pyramide', run: () => Form4.ShowCensusPyramid() },
      { name: 'Ialtgraf2', caption: 'I alt graf', run: () => Form4.ShowCensusTotalGraph() },
      { name: 'Historiskedata1', caption: 'Historiske data', items: [
        { name: 'Middellevetid1', caption: 'Middellevetid', run: () => { leaveProjection(); Form4.ShowHistoricalTable('lifeExpectancy'); } },
        { name: 'Ddelighed1', caption: 'Dødelighed', run: () => { leaveProjection(); Form4.ShowHistoricalTable('mortality'); } },
        { name: 'Fertilitet1', caption: 'Fertilitet', run: () => { leaveProjection(); Form4.ShowHistoricalTable('fertility'); } },
      ] },
    ] },
    { name: 'Ekstra1', caption: 'E&kstra', onOpen: () => UpdateExtraItems(), items: [
      { name: 'Afspilprognose1', caption: '&Afspil prognose', enabled: false, run: () => Form3.PlayProjection() },
      { name: 'Sammenlign1', caption: '&Sammenlign med basisåret', enabled: false, run: () => void Sammenlign1Click() },
      { name: 'Sammenlignfolketlling1', caption: 'Sammenlign med &folketælling …', enabled: false,
        run: () => void ChooseCensusOutline(Form3, Form8) },
      { name: 'Sammenlignudenindvandring1', caption: 'Sammenlign &uden indvandring', enabled: false,
        run: () => ChooseWithoutMigrationOutline(Form3) },
      { name: 'Sammenlignfaktisk1', caption: 'Sammenlign med faktisk befolkning', enabled: false,
        run: () => Form3.ToggleActualComparison() },
      { name: 'Visiprocent1', caption: 'Vis i &procent', enabled: false, run: () => { const v = chartViewOnShow(); if (v) TogglePercent(v); } },
      { name: 'Indvandring1', caption: '&Indvandring ...', run: () => void Indvandring1Click() },
      { name: 'Gemsom1', caption: '&Gem som ...', enabled: false, run: () => void saver.SaveViewOnShow() },
      { name: 'Kopierlink1', caption: 'Kopiér &link til prognosen', enabled: false, run: () => void CopyProjectionLink() },
      { name: 'Indlstal1', caption: '&Indlæs tal fra Statistikbanken ...', run: () => statbank.Choose() },
      { name: 'Glemindlstetal1', caption: '&Glem indlæste tal', enabled: false, run: () => void ForgetImports() },
    ] },
    { name: 'Hjlp1', caption: '&Hjælp', items: [
      { name: 'Vejledning1', caption: 'Vejledning', run: () => void Form9.show() },
      { name: 'Omprogrammet1', caption: '&Om programmet', run: () => void AboutBox.show() },
    ] },
  ];

  // The views disable their own commands while they are created; the menu
  // exists first so that they can.
  app.menu = new MenuBar(specs);
  const AboutBox = makeAboutBox();
  const BtnBottomDlg = new InputDialog();
  const Overskrif = new HeadingDialog();
  const output = new Output(Overskrif, document.body);
  const Form2 = new LifetimeView();
  const BtnBottomDlg1 = new AgeGroupDialog();
  const Form7 = new BaseYearDialog();
  const Model = new ModelWindow();
  const Form3 = new ProjectionView(BtnBottomDlg, Form7, Model, () => BtnBottomDlg1.show());
  const Form8 = new CensusYearDialog();
  const Form4 = new CensusView(Form8);
  const Form9 = makeGuide();
  const MigrationDlg = new MigrationDialog();
  Form2.output = Form3.output = Form4.output = output;
  const saver = new Saver(new SaveDialog(), output, () => viewOnShow());

  // What printing and saving act on: the lifetime view once it has shown a
  // result and lies in front, else the projection view, else the census view.
  function viewOnShow(): ViewOnShow | null {
    const lines: string[] = core.tableLines();
    const table = (view: OutputView, csv: Uint8Array<ArrayBuffer>, name: string): ViewOnShow | null =>
      lines.length ? { what: 'table', view, csv, name } : null;
    if (core.state().LifetimeViewActive && Form2.isFront())
      return Form2.tableShown() ? table(Form2, core.lifetimeCsv(), 'Levetid') : { what: 'chart', view: Form2, name: 'Levetid' };
    for (const [view, census] of [[Form3, false], [Form4, true]] as const) {
      if (!view.visible) continue;
      const mode = core.state().DisplayMode;
      const name = `${census ? 'Folketælling' : 'Prognose'} ${core.state().TargetYear}`;
      if (mode === view.pyramidMode || mode === view.totalGraphMode) return { what: 'chart', view, name };
      if (!view.tableShown()) return null;
      if (census && mode === DisplayModes.CensusTable) { const t = core.censusTableCsv(); return table(view, t.csv, t.name); }
      if (!census && (mode === DisplayModes.ProjectionTable || mode === DisplayModes.ContinuedTable)) return table(view, core.projectionCsv(), name);
      return null;
    }
    return null;
  }
  BtnBottomDlg1.projection = Form3;
  BtnBottomDlg1.output = output;

  Form2.DisableOwnCommands();
  Form3.DisableProjectionActions();
  Form4.ResetCensusView();

  function chartViewOnShow(): ProjectionView | CensusView | null {
    if (ChartOnShow(Form3)) return Form3;
    if (ChartOnShow(Form4)) return Form4;
    return null;
  }
  // Run as the menu opens: what is on show decides what the items do.
  function UpdateExtraItems(): void {
    const m = app.menu;
    m.setEnabled('Afspilprognose1', Form3.CanPlayProjection());
    const chart = chartViewOnShow();
    const census = Form4.visible && !Form3.visible;
    m.setCaption('Sammenlign1', census ? '&Sammenlign med folketælling …' : '&Sammenlign med basisåret');
    m.setEnabled('Sammenlign1', chart !== null);
    m.setChecked('Sammenlign1', chart?.area.chart?.showsOutline(census) ?? false);
    m.setVisible('Sammenlignfolketlling1', !census);
    m.setEnabled('Sammenlignfolketlling1', chart === Form3);
    m.setChecked('Sammenlignfolketlling1', !census && (chart?.area.chart?.showsOutline(true) ?? false));
    const compared = chart?.area.chart?.compared() ?? false;
    const withoutMigration = chart?.area.chart?.comparedWithoutMigration() ?? false;
    m.setVisible('Sammenlignudenindvandring1', !census);
    m.setEnabled('Sammenlignudenindvandring1', chart === Form3 && (core.state().NetMigration !== 0 || compared));
    m.setChecked('Sammenlignudenindvandring1', !census && withoutMigration);
    m.setEnabled('Visiprocent1', chart !== null);
    m.setChecked('Visiprocent1', chart?.area.chart?.percent() ?? false);
    m.setEnabled('Gemsom1', viewOnShow() !== null);
    m.setEnabled('Kopierlink1', Form3.visible && !Form3.buttons.SpeedButton2.disabled);
    m.setEnabled('Sammenlignfaktisk1', Form3.CanCompareWithActual());
    m.setChecked('Sammenlignfaktisk1', Form3.ComparesWithActual());
    m.setEnabled('Glemindlstetal1', core.hasStatbankImports());
  }
  // A file read: its newest base year's table is shown, the other views put away.
  const statbank = new StatbankImport(() => {
    if (!core.startFromNewestImport()) return;
    hideOthersForProjection();
    app.activeView = ActiveViews.Projection;
    Form3.ShowNewestImport();
  });
  async function ForgetImports(): Promise<void> {
    await statbank.Forget();
    Form3.ForgetImports();
  }
  async function CopyProjectionLink(): Promise<void> {
    try {
      await navigator.clipboard.writeText(currentProjectionLink());
    } catch {
      await messageBox(ClipboardRefused, 'Fejl');
    }
  }
  // A link's projection runs as if its inputs were typed into the input
  // dialog; a bad value gets the dialog's message and changes nothing.
  async function OpenProjectionLink(link: ProjectionLink): Promise<void> {
    const problem = projectionLinkProblem(link, baseYears());
    if (problem.message) { await messageBox(problem.message, problem.caption); return; }
    core.setBaseYear(core.readWholeNumber(link.base).value);
    const migration = linkMigration(link);
    core.chooseMigration(migration.index, migration.net);
    hideOthersForProjection();
    const done = Form3.EnterInputs();
    setText(BtnBottomDlg.Edit1, link.children);
    setText(BtnBottomDlg.Edit3, link.year);
    setText(BtnBottomDlg.Edit4, link.retirement);
    await BtnBottomDlg.OKBtnClick();
    await done;
  }
  // The net migration applies to the next projection, and at once to the
  // one on show.
  async function Indvandring1Click(): Promise<void> {
    await MigrationDlg.show();
    if (MigrationDlg.accepted) Form3.ProjectAgain();
  }
  async function Sammenlign1Click(): Promise<void> {
    if (ChartOnShow(Form3)) ChooseBaseYearOutline(Form3);
    else if (ChartOnShow(Form4)) await ChooseCensusOutline(Form4, Form8);
  }

  function Udskriv1Click(): void {
    if (core.state().LifetimeViewActive) Form2.PrintView();
    else if (Form3.visible) output.PrintView(Form3);
    else if (Form4.visible) output.PrintView(Form4);
  }
  output.printOnShow = Udskriv1Click;
  function KopiertilKlippebordet1Click(): void {
    if (app.activeView === ActiveViews.Lifetime) void Form2.CopyView();
    else if (app.activeView === ActiveViews.Projection) void output.CopyView(Form3);
    else if (app.activeView === ActiveViews.Census) void output.CopyView(Form4);
  }
  function Afslut1Click(): void {
    // A page cannot end itself; it leaves the program's window empty instead.
    window.close();
    document.body.replaceChildren(el('p', { class: 'ended', text: 'Lysvandre er afsluttet.' }));
  }

  document.addEventListener('keydown', (e) => {
    if (e.ctrlKey && !e.altKey && (e.key === 'p' || e.key === 'P')) {
      e.preventDefault();
      if (!modalOpen() && app.menu.isEnabled('Udskriv1')) Udskriv1Click();
    }
  });

  client.append(Form2.root, Form3.root, Form4.root, image1, memo1);
  showToolTipsOnLongPress();
  form1.append(app.menu.root, client);

  // FormShow
  const title = '   Lysvandre    ' + Version;
  // A page has no title bar of its own: the tab shows the caption (browsers
  // fold its blanks) and the main window element keeps it exactly.
  document.title = title;
  form1.dataset.caption = title;
  form1.setAttribute('aria-label', title.trim());
  core.loadAllData();
  RestoreImports();
  app.activeView = ActiveViews.None;
  for (const n of ['Levetid1', 'Prognose1', 'Folketllinger1']) app.menu.setEnabled(n, true);
  core.setLifetimeViewActive(false);
  form1.hidden = false;
  document.getElementById('BootPicture')?.remove();
  window.setTimeout(() => { image1.hidden = true; }, 3000);

  const shown = performance.now();
  // The charts' font may arrive after the window is shown; what was drawn
  // before is drawn again with it.
  document.fonts.ready.then(() => { Form3.area.invalidate(); Form4.area.invalidate(); }).catch(() => undefined);
  (window as any).lysvandre = {
    tableLines: (): string[] => core.tableLines(),
    core,
    state: (name: keyof StateFields): unknown => core.state()[name],
    activeView: (): number => app.activeView,
    windows: { Form2, Form3, Form4, BtnBottomDlg, BtnBottomDlg1, Form7, Form8, Overskrif, AboutBox, Form9, Model, MigrationDlg, SaveDialog: saver.dialog },
    timing: { scriptStarted: started, shown, tableShown: 0 },
    ready: true,
  };
  document.body.dataset.ready = 'true';
  const link = readProjectionLink(location.hash);
  if (link) await OpenProjectionLink(link);
}

registerOfflineWorker();
void start();
