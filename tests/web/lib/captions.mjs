// Caption tracks for a test tree, as the publisher adds them beside a movie, and
// the visitor the page is opened for: their languages and their storage.
import { randomUUID } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

// Each language's label and two cues: 0.5 to 1.5 s where the page puts a cue, and
// 2.5 to 3.5 s placed by its settings, 10% from the top and 20% from the left.
// `shown` is the first cue's text as the visitor reads it.
export const CAPTIONS = {
  en: { label: 'English', cues: ['Hello <i>there</i> &amp; welcome', 'Up here'], shown: 'Hello there & welcome' },
  de: { label: 'Deutsch', cues: ['Hallo <b>da</b>', 'Hier oben'], shown: 'Hallo da' },
};

// A tree change (session.open's `change`): a WebVTT file a language beside the page, and its
// track line after the movie's sources.
export const addCaptions = (languages = ['en', 'de']) => (dir) => {
  const lines = languages.map((language) => {
    const { label, cues } = CAPTIONS[language];
    writeFileSync(join(dir, `tour.${language}.vtt`), `WEBVTT\n\n00:00.500 --> 00:01.500\n${cues[0]}\n\n` +
      `00:02.500 --> 00:03.500 line:10% position:20% align:start\n${cues[1]}\n`);
    return `<track kind="captions" src="tour.${language}.vtt" srclang="${language}" label="${label}">\r\n`;
  });
  const page = join(dir, 'tour.html');
  const html = readFileSync(page, 'utf8');
  const after = html.indexOf('\n    <div style="text-align:center">');
  writeFileSync(page, html.slice(0, after) + lines.join('').trimEnd() + html.slice(after));
};

// Runs in the page first. A choice kept by an earlier page on the same port is forgotten
// once: the token is new for every page a test serves, and the same when it is reloaded.
function visitorPage({ languages, refuse, token }) {
  Object.defineProperty(navigator, 'languages', { get: () => languages, configurable: true });
  if (sessionStorage.getItem('tessaly-test') !== token) {
    localStorage.clear();
    sessionStorage.setItem('tessaly-test', token);
  }
  if (refuse) {
    Object.defineProperty(window, 'localStorage', {
      get: () => {
        throw new DOMException('storage refused', 'SecurityError');
      },
      configurable: true,
    });
  }
}

// An init (session.open's `init`) for a visitor with these languages; refuse: storage throws, as in a private window.
export function visitor(languages, refuse = false) {
  return [visitorPage, { languages, refuse, token: randomUUID() }];
}

// In the page: the text of #captions, with whether it shows (displayed, a size, in the viewer), its box,
// and each track's mode.
export function captionState() {
  const element = document.getElementById('captions');
  const box = element && element.getBoundingClientRect();
  return {
    text: element ? element.textContent : null,
    shown: !!box && box.width > 0 && box.height > 0 && getComputedStyle(element).visibility !== 'hidden',
    box: box && { left: box.left, top: box.top, right: box.right, bottom: box.bottom },
    modes: [...document.getElementById('video').textTracks].map((track) => track.mode),
  };
}
