// The player's comforts in the page. Settings saved in the page's editor
// restart the game: no mode question, the junk line's warning on the page.
// The recording tells exactly what W and the locked mouse did (0.15 degrees
// a pixel, in 3-degree steps; no turn unlocked). A shot flies, P holds the
// picture still; F12 offers the picture as a BMP; F1 shows the keys;
// Alt+Enter enters and leaves full screen; the browser acts on none of them.
// Fire rebound to E in the menu: E fires, Space no longer.
'use strict';
const {RunTest, OpenPage, Check, ConsoleLine, WaitForBox, Answer, ViewPixels, Changed} = require('./lib.js');

const sleep = seconds => new Promise(resolve => setTimeout(resolve, seconds * 1000));
// BMP screenshots: the page offers the game's .bmp files only so far.
const kSettings = 'start = window\nkeys = wasd\nmouse = on\nthis is junk\nscreenshot_format = bmp\n';
const Press = (page, key) => page.keyboard.press(key).then(() => sleep(0.5));

RunTest([process.argv[2]], async (browser, url) => {
  const page = await OpenPage(browser, url + '?record&seed=7', () => {
    window.notPrevented = [];  // the game's keys the browser was left to act on
    addEventListener('keydown', event => event.defaultPrevented || notPrevented.push(event.altKey + event.key));
    // The lock as the game learns of it: at the change event.
    window.locked = false;
    document.addEventListener('pointerlockchange', () => { locked = !!document.pointerLockElement; });
  });
  await WaitForBox(page, 'Wybor trybu');
  await Answer(page, 'no');
  await page.$eval('#settings-text', (text, settings) => { text.value = settings; text.parentNode.open = true; }, kSettings);
  await page.click('#settings-save');
  await ConsoleLine(page, /^vorbexia: the game ended with 0$/);
  await page.waitForSelector('#canvas:not([hidden])');
  Check(await page.evaluate(() => localStorage.getItem('vorbexia.conf')) === kSettings, 'not stored');
  Check(page.lines.filter(line => line.startsWith('box: Wybor trybu')).length === 1, 'asked again');
  const output = await page.$eval('#output', output => output.textContent);
  Check(output.includes('vorbexia: /settings/vorbexia.conf:4: '), 'no warning on the page: ' + output);

  // A shot fired down the long corridor ahead of the start flies for a while.
  await sleep(1);
  await page.keyboard.press('Space');
  const running = [await ViewPixels(page), await ViewPixels(page)];
  await Press(page, 'KeyP');
  const paused = [await ViewPixels(page), await sleep(0.5), await ViewPixels(page)];
  Check(Changed(...running) > 0, 'nothing moved before the pause');
  Check(Changed(paused[0], paused[2]) === 0, 'the pause held nothing');

  await Press(page, 'F12');  // paused: the BMP is the picture shown
  const link = await page.waitForSelector('#screenshots a[download$=".bmp"]', {timeout: 10000});
  const bmp = Buffer.from(await link.evaluate(a => fetch(a.href).then(reply => reply.arrayBuffer())
      .then(buffer => Array.from(new Uint8Array(buffer)))));
  Check(bmp.toString('latin1', 0, 2) === 'BM' && bmp.readInt32LE(18) === 800 && bmp.readInt32LE(22) === 600 &&
        bmp.readUInt16LE(28) === 24, 'not an 800 x 600 24-bit BMP');
  const rgba = Buffer.alloc(800 * 600 * 4);  // rows bottom first, BGR
  for (let i = 0, at = bmp.readUInt32LE(10); i < 800 * 600; ++i, at += 3) {
    rgba.set([bmp[at + 2], bmp[at + 1], bmp[at]], ((599 - Math.floor(i / 800)) * 800 + i % 800) * 4);
  }
  Check(Changed({rgba}, paused[2]) < 0.01, 'the screenshot is not the picture shown');

  await Press(page, 'KeyP');  // resumes
  await sleep(1);
  const start = await ViewPixels(page);
  await page.keyboard.down('KeyW');
  await sleep(1);
  await page.keyboard.up('KeyW');
  Check(Changed(start, await ViewPixels(page)) > 0.05, 'W did not walk');

  // The pointer lock comes with a click. The browser measures the first move
  // after it from where the pointer was long before (hundreds of pixels): a
  // small move first, which the game drops, then 270 pixels to the right.
  await page.mouse.click(500, 200);
  await page.waitForFunction(() => locked, {timeout: 5000});
  await page.mouse.move(500, 201);
  for (let step = 1; step <= 9; ++step) await page.mouse.move(500 + 30 * step, 201);
  await page.evaluate(() => document.exitPointerLock());
  await sleep(0.5);
  Check(/Kliknij/.test(await page.$eval('#mouse', hint => hint.textContent)), 'no click hint');
  for (let step = 1; step <= 9; ++step) await page.mouse.move(770 - 30 * step, 201);

  await page.mouse.click(500, 200);
  await page.waitForFunction(() => document.pointerLockElement, {timeout: 5000});
  await Press(page, 'KeyP');
  Check(await page.evaluate(() => !document.pointerLockElement), 'the pointer stays locked at the pause');
  await Press(page, 'KeyP');
  const resumed = await ViewPixels(page);
  await Press(page, 'F1');
  Check(Changed(resumed, await ViewPixels(page)) > 0.01, 'F1 showed nothing');
  await Press(page, 'F1');
  await page.keyboard.down('Alt');
  await Press(page, 'Enter');
  const full = await page.evaluate(() => document.fullscreenElement === document.getElementById('stage'));
  await Press(page, 'Enter');
  await page.keyboard.up('Alt');
  Check(full && await page.evaluate(() => !document.fullscreenElement &&
                                         document.getElementById('canvas').width === 800),
        'Alt+Enter did not toggle full screen, or the drawing buffer changed');
  // Full screen left by the browser itself (its Esc): the next Alt+Enter enters again.
  await page.keyboard.down('Alt');
  await Press(page, 'Enter');
  await page.evaluate(() => document.exitFullscreen());
  await Press(page, 'Enter');
  const again = await page.evaluate(() => document.fullscreenElement === document.getElementById('stage'));
  await Press(page, 'Enter');
  await page.keyboard.up('Alt');
  Check(again, 'Alt+Enter did not enter full screen after the browser had left it');
  const browserKeys = await page.evaluate(() => notPrevented);
  Check(!browserKeys.some(key => ['falseF1', 'falseF12', 'trueEnter'].includes(key)), 'browser: ' + browserKeys);

  // KLAWISZE, STRZAL (the fifth): E. Space then fires nothing, E fires.
  for (const key of ['KeyP', 'ArrowDown', 'ArrowDown', 'Enter', 'ArrowDown', 'ArrowDown',
                     'ArrowDown', 'ArrowDown', 'Enter', 'KeyE', 'Escape', 'Escape']) {
    await page.keyboard.press(key);
  }
  for (const key of ['Space', 'KeyE']) {
    await page.keyboard.down(key);  // also asks for the pointer lock back
    await page.waitForFunction(() => document.pointerLockElement, {timeout: 5000});
    await sleep(0.3);  // held
    await page.keyboard.up(key);
  }

  await page.keyboard.press('Escape');
  const frames = (await (await page.waitForSelector('#download a', {timeout: 30000}))
                      .evaluate(link => fetch(link.href).then(reply => reply.text()))).split('\n').slice(2);
  const [walks, rights, lefts] = ['U', 'R', 'L'].map(key => frames.filter(keys => keys.includes(key)).length);
  console.log(frames.length + ' frames: ' + walks + ' walking, ' + rights + ' right, ' + lefts + ' left');
  // Full screen entered and left under the lock moves the canvas under the
  // pointer: no turn comes of it.
  Check(walks >= 5 && rights === Math.floor(270 * 0.15 / 3) && lefts === 0,
        walks + ' U, ' + rights + ' R, ' + lefts + ' L');
  // A press fires in its first frame: the first Space's, then E's, and not
  // the second Space's.
  const fires = frames.filter(keys => keys.includes('S')).length;
  Check(fires === 2, fires + ' frames fired: 2 expected (Space before the menu, then E alone)');
});
