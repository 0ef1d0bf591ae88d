// The page calls `new Stats()` from a classic script, so the monitor goes on the global object.
import Stats from 'stats.js/src/Stats.js';

globalThis.Stats = Stats;
