// A recorded game in the page: the mode question, "Nie" for the canvas, the
// lit and textured maze, Up held walks, the page does not scroll on the
// game's keys, the shot is heard, a pad's d-pad walks too, a key held when
// the canvas loses the focus is let go, Esc ends the game (the page says
// so), and the recording offered for download replays in vorbexia-sim.
'use strict';
const {execFileSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {RunTest, OpenPage, Check, WaitForBox, Answer, ViewPixels, Changed} = require('./lib.js');

const sleep = seconds => new Promise(resolve => setTimeout(resolve, seconds * 1000));

// Brightness (mean grey), distinct colours, and detail: the mean grey step
// between neighbours on the floor (lower left). The desktop's start view:
// about 25, 8,000 colours, detail 2 to 3; untextured, detail is below 1.
function Measure(view) {
  const grey = i => (view.rgba[i] + view.rgba[i + 1] + view.rgba[i + 2]) / 3;
  let brightness = 0, detail = 0;
  const colours = new Set();
  for (let i = 0; i < view.rgba.length; i += 4) {
    brightness += grey(i) * 4 / view.rgba.length;
    colours.add(view.rgba.readUInt32BE(i));
  }
  for (let y = 520; y < 590; ++y) {
    for (let i = (y * view.width + 20) * 4; i < (y * view.width + 180) * 4; i += 4) {
      detail += (Math.abs(grey(i + 4) - grey(i)) + Math.abs(grey(i + view.width * 4) - grey(i))) / (160 * 70);
    }
  }
  return {brightness, colours: colours.size, detail};
}

RunTest([process.argv[2]], async (browser, url) => {
  // A pad in the standard layout that the test presses.
  const page = await OpenPage(browser, url + '?record&seed=7', () => {
    window.testPad = {connected: true, mapping: 'standard', index: 0, id: 'test pad', axes: [0, 0, 0, 0],
                      buttons: Array.from({length: 17}, () => ({pressed: false, value: 0}))};
    navigator.getGamepads = () => [window.testPad];
  });
  const question = await WaitForBox(page, 'Wybor trybu');
  Check(question === 'Wcisnij TAK na FULLSCREEN, NIE na WINDOW-MODE', 'mode question: ' + question);
  await Answer(page, 'no');
  await page.waitForSelector('#canvas:not([hidden])');
  await sleep(1);
  const start = await ViewPixels(page);
  const measured = Measure(start);
  console.log('start view: ' + JSON.stringify(measured));
  Check(measured.brightness >= 12 && measured.brightness <= 60 && measured.colours >= 5000 &&
        measured.detail >= 1.5, 'not the lit, textured maze');

  // A second of Up: about 60 frames of the 116 that the player can walk
  // from the start (0.15 units a frame) before the wall ahead comes so near
  // that the shot below would start inside it, and none is fired then.
  // Held two seconds, a game keeping its 60 frames a second reached that
  // wall and fired nothing, heard as silence.
  await page.keyboard.down('ArrowUp');
  await sleep(1);
  await page.keyboard.up('ArrowUp');
  const walked = Changed(start, await ViewPixels(page));
  console.log('Up held: ' + (walked * 100).toFixed(1) + ' % of the view changed');
  Check(walked > 0.05, 'holding Up did not change the view');

  // The loudest sample Web Audio is given, from the first key press on.
  await page.evaluate(() => {
    window.loudest = 0;
    Module.vorbexiaAudio.node.addEventListener('audioprocess', event => {
      for (const sample of event.outputBuffer.getChannelData(0)) loudest = Math.max(loudest, sample);
    });
  });
  const scrolled = await page.evaluate(() => { window.scrollTo(0, 0); return window.scrollY; });
  await page.keyboard.press('Space');
  await page.keyboard.press('ArrowDown');
  Check(await page.evaluate(() => window.scrollY) === scrolled, 'the page scrolled on the game keys');
  await sleep(0.5);
  Check(await page.evaluate(() => loudest) > 0.01, 'the shot was not heard');

  await page.evaluate(() => { testPad.buttons[12] = {pressed: true, value: 1}; });  // d-pad up
  await sleep(1);
  await page.evaluate(() => { testPad.buttons[12] = {pressed: false, value: 0}; });
  await sleep(0.5);

  // Left held, the canvas loses the focus, Left is released elsewhere.
  await page.keyboard.down('ArrowLeft');
  await sleep(0.5);
  await page.$eval('#canvas', canvas => canvas.blur());
  await sleep(1);
  await page.keyboard.up('ArrowLeft');
  await page.focus('#canvas');
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => document.getElementById('status').textContent === 'Koniec gry (kod 0).' &&
                             !document.getElementById('canvas'), {timeout: 30000});

  // The recording: the keys of each frame.
  const demo = await page.$eval('#download a', link => fetch(link.href).then(reply => reply.text()));
  const [header, seed, ...frames] = demo.split('\n').slice(0, -1);
  Check(header === 'vorbexia-demo 1' && seed === 'seed 7', 'not a demo: ' + demo.slice(0, 40));
  const walks = frames.filter((keys, i) => keys.includes('U') && !(frames[i - 1] || '').includes('U'));
  Check(walks.length >= 2 && frames.some(keys => keys.includes('S')), 'no walks by keyboard and pad, or no shot');
  const afterLeft = frames.length - 1 - frames.map(keys => keys.includes('L')).lastIndexOf(true);
  console.log(frames.length + ' frames recorded, ' + afterLeft + ' after the last turn left');
  Check(afterLeft >= 5 && afterLeft < frames.length, 'Left held at the focus loss went on acting');
  Check(frames[frames.length - 1] === '', 'the recording does not end with the Esc frame');

  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'vorbexia-demo-'));
  fs.writeFileSync(path.join(folder, 'web.demo'), demo);
  const last = execFileSync(process.argv[3], ['--demo', path.join(folder, 'web.demo')], {encoding: 'utf8'})
                   .trim().split('\n').pop();
  fs.rmSync(folder, {recursive: true});
  Check(last.startsWith(frames.length + ' '), 'vorbexia-sim replayed it to ' + last);
});
