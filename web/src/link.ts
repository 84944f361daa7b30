// A link to a projection: the page's address with the projection's inputs
// in the fragment, so that a teacher can give a class one scenario to start
// from. Opening such a link runs that projection as the input dialog would;
// a link with a bad value changes nothing and says what is wrong.
import { core } from './core';

export interface ProjectionLink { base: string; children: string; year: string; retirement: string }

const Keys = { base: 'basisaar', children: 'boern', year: 'aar', retirement: 'pension' } as const;

export function projectionLinkFragment(p: ProjectionLink): string {
  const q = new URLSearchParams();
  for (const [k, name] of Object.entries(Keys)) q.set(name, p[k as keyof ProjectionLink]);
  return '#' + q.toString();
}

// The inputs a fragment names, or null when it names no projection.
export function readProjectionLink(hash: string): ProjectionLink | null {
  const q = new URLSearchParams(hash.replace(/^#/, ''));
  if (!Object.values(Keys).some((k) => q.has(k))) return null;
  const get = (k: string): string => (q.get(k) ?? '').trim();
  return { base: get(Keys.base), children: get(Keys.children), year: get(Keys.year), retirement: get(Keys.retirement) };
}

// The years a projection can start from, as the base-year chooser lists them.
export function baseYears(): number[] {
  core.listBaseYears();
  const choices = core.yearChoices();
  return core.baseYearPositions().map((p) => choices[p.entry - 1]);
}

// The link to the projection in force.
export function currentProjectionLink(): string {
  const fixed = (x: number, places: number): string => x.toFixed(places);
  const here = location.href.replace(/#.*$/, '');
  return here + projectionLinkFragment({
    base: String(core.state().BaseYear), children: fixed(core.state().ChildrenPerFamily, 2),
    year: String(core.state().TargetYear), retirement: String(core.state().RetirementAge),
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
  return { message: '', caption: '' };
}
