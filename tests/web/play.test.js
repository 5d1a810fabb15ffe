// A recorded game in the page: the mode question, "Nie" for the canvas, the
// lit and textured maze, Up held walks, the page does not scroll on the
// game's keys, a pad's d-pad walks too, a key held when the canvas loses
// the focus is let go, Esc ends the game, which the page says, and the
// recording offered for download replays in the desktop's vorbexia-sim
// (argv[3]).
'use strict';
const {execFileSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {RunTest, Check, WaitForBox, Answer, ViewPixels} = require('./lib.js');

const sleep = seconds => new Promise(resolve => setTimeout(resolve, seconds * 1000));

// Mean brightness, distinct colours, and detail: the mean grey step between
// neighbours in the lower left (floor) and upper middle (ceiling). The
// desktop's start view: brightness about 25, 8,000 colours, detail 2 to 3.
function Measure(view) {
  const grey = (x, y) => {
    const i = (y * view.width + x) * 4;
    return (view.rgba[i] + view.rgba[i + 1] + view.rgba[i + 2]) / 3;
  };
  let sum = 0;
  const colours = new Set();
  for (let i = 0; i < view.rgba.length; i += 4) {
    sum += (view.rgba[i] + view.rgba[i + 1] + view.rgba[i + 2]) / 3;
    colours.add((view.rgba[i] << 16) | (view.rgba[i + 1] << 8) | view.rgba[i + 2]);
  }
  const detail = (x0, y0, x1, y1) => {
    let steps = 0;
    for (let y = y0; y < y1; ++y) {
      for (let x = x0; x < x1; ++x) {
        steps += Math.abs(grey(x + 1, y) - grey(x, y)) + Math.abs(grey(x, y + 1) - grey(x, y));
      }
    }
    return steps / ((x1 - x0) * (y1 - y0));
  };
  return {brightness: sum / (view.rgba.length / 4), colours: colours.size,
          floor: detail(20, 520, 180, 590), ceiling: detail(100, 10, 700, 100)};
}

// Share of pixels that differ by more than 8 levels in some channel.
function Changed(a, b) {
  let changed = 0;
  for (let i = 0; i < a.rgba.length; i += 4) {
    changed += [0, 1, 2].some(c => Math.abs(a.rgba[i + c] - b.rgba[i + c]) > 8);
  }
  return changed / (a.rgba.length / 4);
}

// Holds a key for `seconds`; the view before and after.
async function Hold(page, key, seconds) {
  const before = await ViewPixels(page);
  await page.keyboard.down(key);
  await sleep(seconds);
  await page.keyboard.up(key);
  await sleep(0.5);
  return [before, await ViewPixels(page)];
}

RunTest([process.argv[2]], async (browser, server) => {
  // A standard pad that the test presses: the page samples it every frame.
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => {
    window.testPad = {connected: true, mapping: 'standard', index: 0, id: 'test pad',
                      timestamp: 0, axes: [0, 0, 0, 0],
                      buttons: Array.from({length: 17}, () => ({pressed: false, value: 0}))};
    navigator.getGamepads = () => [window.testPad];
  });
  page.lines = [];
  page.on('console', message => page.lines.push(message.text()));
  await page.setViewport({width: 1000, height: 500});  // the page can scroll
  await page.goto(server.url + '?record&seed=7');

  const question = await WaitForBox(page, 'Wybor trybu');
  Check(question === 'Wcisnij TAK na FULLSCREEN, NIE na WINDOW-MODE', 'mode question: ' + question);
  await Answer(page, 'no');
  await page.waitForSelector('#canvas:not([hidden])');
  await sleep(1);

  const measured = Measure(await ViewPixels(page));
  console.log('start view: ' + JSON.stringify(measured));
  Check(measured.brightness >= 12 && measured.brightness <= 60, 'brightness outside 12..60');
  Check(measured.colours >= 5000, 'too few colours for a textured maze');
  Check(measured.floor >= 1.5 && measured.ceiling >= 1.5, 'floor or ceiling without texture');

  const [beforeUp, afterUp] = await Hold(page, 'ArrowUp', 1.5);
  console.log('Up held: ' + (Changed(beforeUp, afterUp) * 100).toFixed(1) + ' % of the view changed');
  Check(Changed(beforeUp, afterUp) > 0.1, 'holding Up did not change the view');

  const scrolled = await page.evaluate(() => { window.scrollTo(0, 0); return window.scrollY; });
  await page.keyboard.press('Space');
  await page.keyboard.press('ArrowDown');
  Check(await page.evaluate(() => window.scrollY) === scrolled, 'the page scrolled on the game keys');

  await page.evaluate(() => { testPad.buttons[12] = {pressed: true, value: 1}; });
  await sleep(1);
  await page.evaluate(() => { testPad.buttons[12] = {pressed: false, value: 0}; });
  await sleep(0.5);

  // Left held, then the canvas loses the focus; Left is released elsewhere.
  await page.keyboard.down('ArrowLeft');
  await sleep(0.5);
  await page.$eval('#canvas', canvas => canvas.blur());
  await sleep(1);
  await page.keyboard.up('ArrowLeft');

  await page.focus('#canvas');
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => document.getElementById('status').textContent === 'Koniec gry (kod 0).' &&
                             !document.getElementById('canvas'), {timeout: 30000});
  Check(page.lines.includes('vorbexia: the game ended with 0'), 'no end of the game on the console');

  // The recording, frame by frame: the keys of each.
  const demo = await page.$eval('#download a', link => fetch(link.href).then(reply => reply.text()));
  const [header, seed, ...frames] = demo.split('\n').slice(0, -1);
  Check(header === 'vorbexia-demo 1' && seed === 'seed 7', 'not a demo: ' + demo.slice(0, 40));
  const walks = frames.filter((keys, i) => keys.includes('U') && !(frames[i - 1] || '').includes('U'));
  Check(walks.length >= 2 && frames.some(keys => keys.includes('S')),
        'no walk from both keyboard and pad, or no shot: ' + frames.join(','));
  const afterLeft = frames.length - 1 - frames.map(keys => keys.includes('L')).lastIndexOf(true);
  console.log(frames.length + ' frames recorded, ' + afterLeft + ' after the last turn left');
  Check(afterLeft >= 5 && afterLeft < frames.length, 'Left held at the focus loss went on acting');
  Check(frames[frames.length - 1] === '', 'the recording does not end with the Esc frame');

  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'vorbexia-demo-')), 'web.demo');
  fs.writeFileSync(file, demo);
  const last = execFileSync(process.argv[3], ['--demo', file], {encoding: 'utf8'}).trim().split('\n').pop();
  fs.rmSync(path.dirname(file), {recursive: true});
  Check(last.startsWith(frames.length + ' '), 'vorbexia-sim replayed it to ' + last);
  console.log('ok: question, maze, Up, no scrolling, pad, focus loss, Esc, the recording replays');
});
