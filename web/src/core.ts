// The compiled program core (web/bindings.cpp), loaded from core.js: the
// model, the input rules, the table texts and the chart renderers. Its
// functions are declared in binding.d.ts, written from the binding itself,
// and its named numbers come from the core rather than being repeated here.
import type { Constants, CoreBinding } from './binding';

export type { Chart, DrawnYear, LifetimeGrid, ListedYear, MigrationOffer, NumberText, StateFields } from './binding';
export type Core = CoreBinding;

declare const LysvandreCore: () => Promise<Core>;

export let core: Core;
export let DisplayModes: Constants['DisplayModes'];
export let ActiveViews: Constants['ActiveViews'];
export let Limits: Constants['Limits'];

export async function loadCore(): Promise<Core> {
  core = await LysvandreCore();
  ({ DisplayModes, ActiveViews, Limits } = core.constants());
  return core;
}

// A field's key filter: each typed character through the core's rule for
// its set of keys; a field of figures also asks a phone for its number
// keyboard (the filter still decides what is typed).
export function keyFilter(keys: Parameters<Core['filterKey']>[0]): ((ch: string) => string) & { inputMode?: 'numeric' | 'decimal' } {
  const filter = (ch: string): string => (ch === '\r' ? '' : core.filterKey(keys, ch));
  const inputMode: 'numeric' | 'decimal' | undefined = keys === 'digits' ? 'numeric' : keys === 'decimal' || keys === 'interval' ? 'decimal' : undefined;
  return Object.assign(filter, { inputMode });
}
