// The page around whole games. A game answered, its volume turned down and
// fire given walk's Up in the menu (kept in the browser beside the player's
// comment) and ended by Esc alone (no gesture that
// lets sound start); "Zagraj ponownie" then starts a new game
// in the same page: bench/win.demo replayed to its victory, a screenshot on
// the way, the file offered under its own name and the page's inner path
// never shown; while the victory box is up the status line says the game
// waits for it. No error reaches the page from start to end. In a browser
// without WebGL, and in English, a sentence beside the game's box says so.
'use strict';
const {RunTest, Launch, OpenPage, Check, WaitForBox, Answer} = require('./lib.js');

const sleep = seconds => new Promise(resolve => setTimeout(resolve, seconds * 1000));
const Status = page => page.$eval('#status', status => status.textContent);
const Ended = page => page.waitForFunction(() => document.getElementById('status').textContent ===
    'Koniec gry (kod 0).' && !document.getElementById('play-again').hidden, {timeout: 30000});

RunTest([process.argv[2]], async (browser, url) => {
  const page = await OpenPage(browser, url + '?replay=win.demo', () => {
    window.sameDocument = true;
    if (!localStorage.getItem('vorbexia.conf')) localStorage.setItem('vorbexia.conf', '# my own line\n');
    // A desktop browser's sound policy, which headless Chromium does not
    // keep: sound starts suspended, and resume() waits for a gesture (Esc
    // is none); closing the context first refuses the resume.
    window.AudioContext = class extends AudioContext {
      constructor(options) {
        super(options);
        super.suspend();
      }
      resume() {
        return new Promise((resolve, refuse) => this.addEventListener('statechange', () => {
          if (this.state === 'closed') refuse(new DOMException('AudioContext closed before a pending resume() could complete'));
        }));
      }
    };
  });
  await WaitForBox(page, 'Wybor trybu');
  Check(!await page.$eval('#touch', controls => controls.checkVisibility()), 'touch controls on a desktop');
  await page.keyboard.press('Escape');  // "Nie"
  await page.waitForSelector('#canvas:not([hidden])');
  Check(await Status(page) === 'Gra trwa: strzalki, spacja, Esc konczy, Tab pokazuje HUD, ' +
        'P pauza, F1 klawisze, F12 zrzut ekranu, Alt+Enter pelny ekran.', 'status while playing: ' + await Status(page));
  // The menu's change is kept in the browser for the next games; the game
  // takes the keys in the order they came, so none waits for the one before.
  // OPCJE: the volume down a step; KLAWISZE: STRZAL (the fifth) takes Up.
  for (const key of ['KeyP', 'ArrowDown', 'Enter', 'ArrowLeft', 'Escape', 'ArrowDown', 'Enter',
                     'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'Enter', 'ArrowUp',
                     'Escape', 'Escape']) {
    await page.keyboard.press(key);
  }
  await page.keyboard.press('Escape');
  await Ended(page);
  const kept = await page.evaluate(() => localStorage.getItem('vorbexia.conf') || '');
  Check(/^# my own line$/m.test(kept) && /^volume = 90$/m.test(kept) && /^fire = Up$/m.test(kept) &&
        /^walk = no key$/m.test(kept), 'the menu\'s changes were not kept: ' + JSON.stringify(kept));
  await sleep(1);  // what the end leaves pending settles
  Check(page.errors.length === 0, 'errors in the page: ' + page.errors.join('; '));

  await page.click('#play-again');
  await WaitForBox(page, 'Wybor trybu');
  Check(await page.evaluate(() => window.sameDocument === true), 'the page was loaded anew');
  Check(await page.$eval('#play-again', button => button.hidden), 'play again offered during the game');
  await Answer(page, 'no');
  await page.waitForSelector('#canvas:not([hidden])');
  await page.keyboard.press('F12');
  const name = await (await page.waitForSelector('#output a', {timeout: 10000})).evaluate(a => a.download);
  const shown = await page.$eval('#output', output => output.textContent);
  Check(/^vorbexia-[\d-]+\.png$/.test(name) && shown.endsWith('vorbexia: screenshot ' + name + '\n') && !shown.includes('/screenshots/'),
        'screenshot offered as ' + JSON.stringify(name) + ', the page shows ' + JSON.stringify(shown));

  await page.waitForFunction(() => document.getElementById('box').open, {timeout: 180000});
  Check(await page.$eval('#box-text', text => text.textContent) === 'GRATULACJE! WYGRALES!', 'not the victory box');
  Check(await Status(page) === 'Gra czeka na odpowiedz w okienku.', 'status at the victory box: ' + await Status(page));
  await Answer(page, 'ok');
  await Ended(page);
  await sleep(1);
  Check(page.errors.length === 0, 'errors in the page: ' + page.errors.join('; '));

  // In English this time, the game's boxes and their buttons too.
  const noWebGL = await Launch({webgl: false});
  const plain = await OpenPage(noWebGL, url, () => localStorage.setItem('vorbexia.conf', 'language = en\n'));
  Check(await plain.evaluate(() => document.createElement('canvas').getContext('webgl') === null),
        'this browser offers WebGL after all');
  await WaitForBox(plain, 'Choose the mode');
  Check(await plain.$eval('#box-yes', button => button.textContent) === 'Yes', 'the question\'s button is not Yes');
  await Answer(plain, 'no');
  Check(await WaitForBox(plain, 'ERROR') === 'Could not attach OpenGL to the window.', 'not the context box');
  const note = await plain.$eval('#box-note', note => note.hidden ? '' : note.textContent);
  Check(/WebGL/.test(note) && !/nie oferuje/.test(note), 'beside the box: ' + JSON.stringify(note));
  await noWebGL.close();
  console.log('ok: victory, screenshot ' + name + ', played again, no WebGL told');
});
