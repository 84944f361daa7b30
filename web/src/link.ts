// A link to a projection: the page's address with the projection's inputs
// in the fragment, so that a teacher can give a class one scenario to start
// from. Opening such a link runs that projection as the input dialog would;
// a link with a bad value changes nothing and says what is wrong.
import { core, type MigrationOffer } from './core';

// migration and profile are '' when the link has none: no net migration,
// the standard profile (a link made before they existed reads so too).
export interface ProjectionLink { base: string; children: string; year: string; retirement: string; migration: string; profile: string }

const Keys = { base: 'basisaar', children: 'boern', year: 'aar', retirement: 'pension', migration: 'indvandring', profile: 'profil' } as const;
const Optional = new Set(['migration', 'profile']);

export function projectionLinkFragment(p: ProjectionLink): string {
  const q = new URLSearchParams();
  for (const [k, name] of Object.entries(Keys)) {
    const value = p[k as keyof ProjectionLink];
    if (value || !Optional.has(k)) q.set(name, value);
  }
  return '#' + q.toString();
}

// The inputs a fragment names, or null when it names no projection.
export function readProjectionLink(hash: string): ProjectionLink | null {
  const q = new URLSearchParams(hash.replace(/^#/, ''));
  if (!Object.values(Keys).some((k) => q.has(k))) return null;
  const get = (k: string): string => (q.get(k) ?? '').trim();
  return { base: get(Keys.base), children: get(Keys.children), year: get(Keys.year), retirement: get(Keys.retirement),
    migration: get(Keys.migration), profile: get(Keys.profile) };
}

// The net migration and the index of the profile among the dialog's choices
// a link names, or the message when one of them cannot be used.
export function linkMigration(p: ProjectionLink): { net: number; index: number; message: string } {
  const check = core.checkNetMigration(p.migration || '0');
  if (!check.valid) return { net: 0, index: 0, message: core.netMigrationMessage() };
  const choices: MigrationOffer[] = core.migrationChoices();
  const year = core.readWholeNumber(p.profile || '0');
  const index = choices.findIndex((c) => year.valid && c.year === year.value);
  if (index < 0)
    return { net: 0, index: 0, message: `Aldersprofil Som i ${p.profile} findes ikke (${choices.map((c) => c.name).join(', ')})` };
  return { net: check.value, index, message: '' };
}

// The years a projection can start from, as the base-year chooser lists them.
export function baseYears(): number[] {
  return core.baseYearPositions().map((p) => core.listedBaseYear(p.entry));
}

// The link to the projection in force.
export function currentProjectionLink(): string {
  const fixed = (x: number, places: number): string => x.toFixed(places);
  const here = location.href.replace(/#.*$/, '');
  const net = core.state().NetMigration;
  const profile = core.migrationProfileYear();
  return here + projectionLinkFragment({
    base: String(core.state().BaseYear), children: fixed(core.state().ChildrenPerFamily, 2),
    year: String(core.state().TargetYear), retirement: String(core.state().RetirementAge),
    migration: net ? String(net) : '', profile: profile ? String(profile) : '',
  });
}

// Checks a link's inputs against the rules of the input dialog without
// changing anything: the message to show, or '' when they are good.
export function projectionLinkProblem(p: ProjectionLink, baseYears: number[]): { message: string; caption: string } {
  const base = core.readWholeNumber(p.base);
  if (!base.valid || !baseYears.includes(base.value))
    return { message: `Basisår ${p.base || '?'} findes ikke (${baseYears.join(', ')})`, caption: core.projectionInputCaption() };
  // The check writes what it reads into the model: it runs on a copy.
  core.saveState();
  try {
    core.setBaseYear(base.value);
    const check = core.checkProjectionInputs(p.children, p.year, p.retirement);
    if (!check.filled) return { message: 'Linket mangler inddata til prognosen', caption: core.projectionInputCaption() };
    if (check.inputError) return { message: core.projectionInputMessage(check.inputError), caption: core.projectionInputCaption() };
  } finally {
    core.restoreState();
  }
  const migration = linkMigration(p).message;
  if (migration) return { message: migration, caption: core.projectionInputCaption() };
  return { message: '', caption: '' };
}
