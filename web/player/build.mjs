// Builds one player script of the published page, as the scrambler takes it:
//
//   node build.mjs SOURCE OUTPUT [--bundle] [--modules NODE_MODULES]
//
// With --bundle SOURCE is an ES module entry, bundled with what it imports into
// one classic script; without, SOURCE is a classic script already. Both
// come out minified for ES2017 browsers (older iOS Safari included), in ASCII,
// with no backtick and no comment, and the output is checked against what the
// scrambler needs (squeeze.mjs). Same inputs, same bytes.
import { readFileSync, writeFileSync } from 'node:fs';
import { resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { lint, loadEsbuild } from './squeeze.mjs';

const COMMON = {
  minify: true,
  target: ['es2017', 'safari11'],
  charset: 'ascii',
  legalComments: 'none',
  // Strings keep their quotes: the scrambler must never meet a backtick.
  supported: { 'template-literal': false },
  logLevel: 'warning',
};

// Resolves to the built text of one player script.
export async function buildPlayerScript(esbuild, source, bundle) {
  if (bundle) {
    const result = await esbuild.build({
      ...COMMON, entryPoints: [resolve(source)], bundle: true, format: 'iife', platform: 'browser', write: false,
    });
    return result.outputFiles[0].text;
  }
  // A classic script keeps its top-level names: the configuration script assigns into them.
  return (await esbuild.transform(readFileSync(source, 'utf8'), { ...COMMON, sourcefile: source })).code;
}

function option(args, name) {
  const at = args.indexOf(name);
  return at >= 0 ? args.splice(at, 2)[1] : undefined;
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const args = process.argv.slice(2);
  const modules = option(args, '--modules');
  const bundle = args.includes('--bundle');
  const [source, output] = args.filter((arg) => arg !== '--bundle');
  if (!source || !output) {
    console.error('usage: node build.mjs SOURCE OUTPUT [--bundle] [--modules NODE_MODULES]');
    process.exit(2);
  }
  const text = await buildPlayerScript(loadEsbuild(modules), source, bundle);
  const problems = lint(text);
  if (problems.length) {
    console.error(`${source}: the built script would not survive the scrambler:`);
    for (const p of problems) console.error(`  ${p}`);
    process.exit(1);
  }
  writeFileSync(output, text);
}
