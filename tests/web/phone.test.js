// The game on a phone held sideways (touch, no mouse): the touch controls
// over the picture's edges, the 4:3 picture filling the height; the mode
// question answered by a tap; full screen by its button; the cross's walk held changes the view; Fire
// tapped by a second finger while the first walks is in the recording's
// frames with the walk; the menu opened and the game ended by taps; the
// recording replayed in the page ends where vorbexia-sim ends it. Held
// upright, the page asks to turn the phone, in English too.
// Pictures of both go to /tmp.
'use strict';
const {execFileSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {RunTest, OpenPageIn, Check, WaitForBox, ConsoleLine, ViewPixels, Changed} = require('./lib.js');

const sleep = seconds => new Promise(resolve => setTimeout(resolve, seconds * 1000));
const kPhone = {width: 844, height: 390, isMobile: true, hasTouch: true, isLandscape: true};
const kActions = ['walk', 'back', 'turn_left', 'turn_right', 'fire', 'pause', 'fullscreen'];

// The middle of an element where a finger touches it: in the visual
// viewport, which a phone's page scrolled down moves against the layout's.
const Middle = (page, selector) => page.$eval(selector, element => {
  const box = element.getBoundingClientRect();
  return {x: box.x + box.width / 2 - visualViewport.offsetLeft,
          y: box.y + box.height / 2 - visualViewport.offsetTop};
});
const Spot = (page, action) => Middle(page, `#touch [data-action="${action}"]`);
// The view, the page's layout left as it was.
const View = async page => {
  const view = await ViewPixels(page);
  await page.$eval('#stage', stage => { stage.style.width = ''; });
  return view;
};
const Tap = async (page, action) => {
  const spot = await Spot(page, action);
  await page.touchscreen.tap(spot.x, spot.y);
  await sleep(0.3);
};

RunTest([process.argv[2]], async (browser, url) => {
  const page = await OpenPageIn(browser, kPhone, url + '?record&seed=7');
  await WaitForBox(page, 'Wybor trybu');
  for (const action of kActions) {
    Check(await page.$eval(`#touch [data-action="${action}"]`, control => control.checkVisibility()),
          'no touch control ' + action);
  }
  await page.tap('#box-no');
  await page.waitForSelector('#canvas:not([hidden])');
  const canvas = await page.$eval('#canvas', canvas => canvas.getBoundingClientRect().toJSON());
  Check(Math.abs(canvas.height - kPhone.height) <= 1 && Math.abs(canvas.width - kPhone.height * 4 / 3) <= 1 &&
        canvas.top === 0, 'the picture does not fill the height: ' + JSON.stringify(canvas));
  await sleep(1);
  await page.screenshot({path: '/tmp/phone-landscape.png'});
  // The full-screen button, in and out again.
  for (const wanted of ['stage', 'none']) {
    await Tap(page, 'fullscreen');
    await page.waitForFunction(id => (document.fullscreenElement?.id || 'none') === id, {timeout: 5000}, wanted);
  }
  const start = await View(page);

  // One finger on the walk, then a second on Fire and off again, the
  // first still down: the browser's own two-point touch events.
  const cdp = await page.createCDPSession();
  const walk = {...await Spot(page, 'walk'), id: 1};
  const fire = {...await Spot(page, 'fire'), id: 2};
  await cdp.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [walk]});
  await sleep(1.5);
  const walking = await View(page);
  await cdp.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [walk, fire]});
  await sleep(0.2);
  await cdp.send('Input.dispatchTouchEvent', {type: 'touchMove', touchPoints: [walk]});
  await sleep(0.5);
  await cdp.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
  console.log('walk held: ' + (Changed(start, walking) * 100).toFixed(1) + ' % of the view changed');
  Check(Changed(start, walking) > 0.05, 'holding walk did not change the view');

  // The finger slides from the walk to a turn: the walk is let go.
  const slide = await page.touchscreen.touchStart(walk.x, walk.y);
  await sleep(0.3);
  const turn = await Spot(page, 'turn_right');
  await slide.move(turn.x, turn.y);
  await sleep(0.5);
  await slide.end();

  // The menu by taps: Pause, up to its last item (quit), Fire chooses it.
  await Tap(page, 'pause');
  await Tap(page, 'walk');
  await Tap(page, 'fire');
  await page.waitForFunction(() => document.getElementById('status').textContent === 'Koniec gry (kod 0).',
                             {timeout: 30000});
  const demo = await page.$eval('#download a', link => fetch(link.href).then(reply => reply.text()));
  const frames = demo.split('\n').slice(2, -1);
  Check(frames.some(keys => keys.includes('U') && keys.includes('S')), 'no frame walks and fires');
  const slid = frames.findIndex((keys, i) => keys.includes('R') && (frames[i - 1] || '').includes('U'));
  Check(slid > 0 && !frames[slid].includes('U'), 'the finger slid from the walk to the turn: not in the frames');

  // The same recording played in the page, as a timedemo, and by the desktop.
  await page.evaluate(demo => {
    FS.writeFile('/demos/touch.demo', demo);
    history.replaceState(null, '', '?timedemo=touch.demo');
  }, demo);
  await (await page.$('#play-again')).scrollIntoView();
  const again = await Middle(page, '#play-again');
  await page.touchscreen.tap(again.x, again.y);
  const figures = await ConsoleLine(page, /^timedemo: \d+ frames/, 120);
  const state = await ConsoleLine(page, new RegExp('^' + figures.split(' ')[1] + ' '));
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'vorbexia-demo-'));
  fs.writeFileSync(path.join(folder, 'touch.demo'), demo);
  const desktop = execFileSync(process.argv[3], ['--demo', path.join(folder, 'touch.demo')], {encoding: 'utf8'})
                      .trim().split('\n').pop();
  fs.rmSync(folder, {recursive: true});
  console.log(frames.length + ' frames; the page ends in ' + state + '; vorbexia-sim in ' + desktop);
  Check(state === desktop, 'the page ends the recording elsewhere than vorbexia-sim');

  // Upright: the request to turn the phone, over the page.
  await page.setViewport({...kPhone, width: 390, height: 844, isLandscape: false});
  await sleep(0.5);
  const turnText = await page.$eval('#turn', turn => turn.checkVisibility() ? turn.textContent : '');
  Check(turnText.includes('Obroc telefon poziomo'), 'upright, the page says ' + JSON.stringify(turnText));
  await page.screenshot({path: '/tmp/phone-portrait.png'});
  await page.evaluate(() => localStorage.setItem('vorbexia.conf', 'language = en\n'));
  await page.goto(url);
  const english = [await page.$eval('#turn', turn => turn.textContent), await page.$eval('#touch-fire', fire => fire.textContent)];
  Check(english[0] === 'Turn your phone sideways to play.' && english[1] === 'Fire',
        'in English the page says ' + JSON.stringify(english));
});
