// Builds the two classic scripts a published page loads: dist/Three.js
// (global THREE: three.js's vector and matrix arithmetic) and dist/Stats.js (global Stats). Same inputs, same bytes.
import { build } from 'esbuild';
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));

const common = {
    bundle: true,
    minify: true,
    format: 'iife',
    target: ['es2017', 'safari11'],
    platform: 'browser',
    charset: 'utf8',
    legalComments: 'inline',
    logLevel: 'warning',
    absWorkingDir: here,
};

const three = JSON.parse(readFileSync(join(here, 'node_modules/three/package.json'), 'utf8'));

// Built from three's sources, which carry no licence comment; keep its notice in the bundle.
await build({
    ...common,
    banner: { js: `/*! three.js ${three.version} (math only) | MIT License | Copyright 2010-2025 Three.js Authors */` },
    entryPoints: [join(here, 'src/three-entry.js')],
    outfile: join(here, 'dist/Three.js'),
    globalName: 'THREE',
});

// stats.js carries no licence comment of its own; keep its notice in the bundle.
const stats = JSON.parse(readFileSync(join(here, 'node_modules/stats.js/package.json'), 'utf8'));

await build({
    ...common,
    banner: { js: `/*! stats.js ${stats.version} | MIT License | Copyright (c) 2009-2016 stats.js authors */` },
    entryPoints: [join(here, 'src/stats-entry.js')],
    outfile: join(here, 'dist/Stats.js'),
});
