// The browser tests every engine runs, in one process so that they share one
// browser (TESSALY_ENGINE names the engine): node --test suite.mjs
import './viewer.test.mjs';
import './hotspots.test.mjs';
import './controls.test.mjs';
import './projection.test.mjs';
import './fallback.test.mjs';
import './xr.test.mjs';
import './position.test.mjs';
import './published.test.mjs';
import './versions.test.mjs';
import './ambisonic.test.mjs';
