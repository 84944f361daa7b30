// Writes web/src/binding.d.ts, the TypeScript declarations of the compiled
// core, from the core's own registrations, and checks the module against
// them: every function and class method it binds is declared, with the
// number of arguments it takes. The page's type check then holds every call
// against the C++ signatures. Usage: node web/declarations.mjs <core.js>
import { createRequire } from 'node:module';
import { readFileSync, writeFileSync, existsSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const coreJs = process.argv[2];
if (!coreJs) {
  console.error('usage: node web/declarations.mjs <core.js>');
  process.exit(2);
}
const core = await createRequire(import.meta.url)(resolve(coreJs))();

const preamble = `// The compiled core's functions as web/bindings.cpp registers them, written
// by web/declarations.mjs from those registrations: do not edit.
import type { ChartSurface, CoreCanvas } from './canvas';

`;
const text = core.bindingDeclarations(preamble);
const declared = core.declaredNames();
const problems = [...declared.problems];

// Every embind function carries its number of arguments; the two that hand
// over a bad argument's message are the binding's own.
const internal = new Set(['argumentRefused', 'takeArgumentError']);
for (const [name, value] of Object.entries(core)) {
  if (typeof value !== 'function' || typeof value.argCount !== 'number' || internal.has(name)) continue;
  if (!(name in declared.functions) && !(name in declared.classes)) problems.push(`${name} is bound but not declared`);
  else if (name in declared.functions && declared.functions[name] !== value.argCount)
    problems.push(`${name} takes ${value.argCount} arguments, declared with ${declared.functions[name]}`);
}
for (const name of Object.keys(declared.functions))
  if (typeof core[name] !== 'function') problems.push(`${name} is declared but not bound`);
for (const [name, methods] of Object.entries(declared.classes)) {
  const proto = core[name]?.prototype;
  if (!proto) { problems.push(`class ${name} is declared but not bound`); continue; }
  for (const m of Object.keys(methods))
    if (m !== 'new' && typeof proto[m] !== 'function') problems.push(`${name}.${m} is declared but not bound`);
  for (const m of Object.getOwnPropertyNames(proto))
    if (typeof proto[m] === 'function' && typeof proto[m].argCount === 'number' && !(m in methods))
      problems.push(`${name}.${m} is bound but not declared`);
}
if (problems.length) {
  console.error('The binding and its declarations disagree:\n  ' + problems.join('\n  ') +
    '\nRegister every function with Function("name", "its parameters", fn) and every class with Class<T>' +
    ' (web/TypedBinding.h), not with emscripten::function or class_ directly.');
  process.exit(1);
}

const target = join(here, 'src/binding.d.ts');
if (!existsSync(target) || readFileSync(target, 'utf8') !== text) {
  writeFileSync(target, text);
  console.log('web/src/binding.d.ts written anew from the binding');
}
