// Caption tracks in a test tree as the publisher adds them, and the visitor a page is opened for.
import { randomUUID } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { seekTo, waitFor } from './browser.mjs';

// A language's label, its cue at 0.5-1.5 s as written and as read, and its cue at 2.5-3.5 s placed 10% down, 20% across.
export const CAPTIONS = {
  en: { label: 'English', cue: 'Hello <i>there</i> &amp; welcome', shown: 'Hello there & welcome', placed: 'Up here' },
  de: { label: 'Deutsch', cue: 'Hallo <b>da</b>', shown: 'Hallo da', placed: 'Hier oben' },
};

// A tree change: each language's WebVTT file beside the page and its track line after the sources.
export const addCaptions = (languages = ['en', 'de']) => (dir) => {
  const tracks = languages.map((lang) => `<track kind="captions" src="tour.${lang}.vtt" srclang="${lang}" label="${CAPTIONS[lang].label}">\r\n`);
  languages.forEach((lang) => writeFileSync(join(dir, `tour.${lang}.vtt`), `WEBVTT\n\n00:00.500 --> 00:01.500\n${CAPTIONS[lang].cue}\n\n` +
    `00:02.500 --> 00:03.500 line:10% position:20% align:start\n${CAPTIONS[lang].placed}\n`));
  const page = join(dir, 'tour.html');
  writeFileSync(page, readFileSync(page, 'utf8').replace('    <div style="text-align:center">', (at) => tracks.join('') + at));
};

// An init: a visitor with these languages whose storage throws (a private window), or starts empty: the
// token is new for every page served (a port may come again) and the same when the page is reloaded.
export const visitor = (languages, refuse = false) => [(wanted) => {
  Object.defineProperty(navigator, 'languages', { get: () => wanted.languages });
  if (sessionStorage.getItem('token') !== wanted.token) localStorage.clear();
  sessionStorage.setItem('token', wanted.token);
  if (wanted.refuse) Object.defineProperty(window, 'localStorage', { get() { throw new DOMException('no', 'SecurityError'); } });
}, { languages, refuse, token: randomUUID() }];

// In the page: the text of #captions, its box (null while it shows nothing) and the tracks' modes.
export function captionState() {
  const element = document.getElementById('captions');
  const box = element.getBoundingClientRect();
  return { text: element.textContent, box: box.height > 0 ? box.toJSON() : null,
    modes: [...document.getElementById('video').textTracks].map((track) => track.mode) };
}

// Pauses the movie at t seconds; resolves to the captions once they read `text`.
export async function captionsAt(page, seconds, text) {
  await seekTo(page, seconds);
  return waitFor(page, new Function('text', `const now = (${captionState})(); return now.text === text && now`), text,
    { what: `captions reading ${JSON.stringify(text)}` });
}
