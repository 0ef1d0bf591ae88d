// Everything suite.mjs runs, and the tests only Chromium can run here: touch
// screens and the orientation sensor are emulated through its DevTools protocol
// (see README.md).
import './suite.mjs';
import './mobile.test.mjs';
// What a visitor fetches before the first frame depends on the published file's
// layout, not on the engine: one engine shows it.
import './faststart.test.mjs';
