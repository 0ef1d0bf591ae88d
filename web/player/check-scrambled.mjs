// Checks a player script as it is stored, scrambled:
//
//   node check-scrambled.mjs SCRAMBLED BUILT [--modules NODE_MODULES]
//
// What a browser evaluates from SCRAMBLED must parse and be the same program as
// BUILT, the script before scrambling. Exits non-zero and says why when not.
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { loadEsbuild, sameProgram, syntaxError, unscramble } from './squeeze.mjs';

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const args = process.argv.slice(2);
  const at = args.indexOf('--modules');
  const modules = at >= 0 ? args.splice(at, 2)[1] : undefined;
  const [scrambledPath, builtPath] = args;
  if (!scrambledPath || !builtPath) {
    console.error('usage: node check-scrambled.mjs SCRAMBLED BUILT [--modules NODE_MODULES]');
    process.exit(2);
  }
  const evaluated = unscramble(readFileSync(scrambledPath, 'latin1'));
  const error = syntaxError(evaluated);
  if (error) {
    console.error(`${scrambledPath}: what the browser evaluates does not parse: ${error}`);
    process.exit(1);
  }
  if (!sameProgram(loadEsbuild(modules), evaluated, readFileSync(builtPath, 'latin1'))) {
    console.error(`${scrambledPath}: scrambling changed the program of ${builtPath}`);
    process.exit(1);
  }
}
