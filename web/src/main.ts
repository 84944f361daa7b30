// The main window (Form1): the menu bar, the start picture and the three
// views, created once at start in the desktop program's order.
import { app } from './app';
import { CensusView, CensusYearDialog } from './census';
import { ActiveViews, core, loadCore, type StateFields } from './core';
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
  // The browser compiles the reader of Statistikbanken's files well only
  // after its first use; a small table read now has that done in the
  // background while the windows are made, before any file is opened.
  core.warmStatbankReader();

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

  app.viewsShown = () => ({
    lifetimeFront: Form2.isFront(), lifetimeGrid: Form2.tableShown(),
    projection: Form3.visible, projectionTable: Form3.tableShown(),
    census: Form4.visible, censusTable: Form4.tableShown(),
  });
  const outputViews = { lifetime: Form2, projection: Form3, census: Form4 } as const;
  // What saving acts on, as the core chooses it.
  function viewOnShow(): ViewOnShow | null {
    const choice = core.saveChoice(app.viewsShown());
    if (!choice.what || !choice.view) return null;
    const view: OutputView = outputViews[choice.view];
    return { what: choice.what, view, name: choice.name, csv: choice.what === 'table' ? core.savedTableCsv() : undefined };
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
    if (!Form3.area.chart || !Form4.area.chart) return;
    const menu = core.extraMenu(app.viewsShown(), Form3.area.chart, Form4.area.chart);
    for (const [name, item] of Object.entries(menu)) {
      m.setEnabled(name, item.enabled);
      m.setVisible(name, item.visible);
      if (item.caption) m.setCaption(name, item.caption);
    }
    for (const name of ['Sammenlign1', 'Sammenlignfolketlling1', 'Sammenlignudenindvandring1', 'Visiprocent1', 'Sammenlignfaktisk1'] as const)
      m.setChecked(name, menu[name].checked);
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
    const choice = core.printChoice(app.viewsShown());
    if (choice.view) output.PrintView(outputViews[choice.view]);
  }
  output.printOnShow = Udskriv1Click;
  function KopiertilKlippebordet1Click(): void {
    const choice = core.copyChoice(app.activeView, app.viewsShown());
    if (choice.view) void output.CopyView(outputViews[choice.view]);
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
