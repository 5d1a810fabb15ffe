// A phone held sideways: the touch controls, the picture filling the height,
// the mode question answered by a tap; the walk held changes the view; Fire
// tapped by a second finger while the first walks is in one frame with the
// walk; Pauza, up to "quit" and Strzal end the game; the recording replayed
// in the page ends where vorbexia-sim ends it. Held upright, the page asks
// to turn the phone, in English too. Pictures of both go to /tmp.
'use strict';
const {execFileSync} = require('child_process');
const fs = require('fs');
const {RunTest, OpenPageIn, Check, WaitForBox, ConsoleLine, ViewPixels, DrawnView, Changed} = require('./lib.js');

const sleep = seconds => new Promise(resolve => setTimeout(resolve, seconds * 1000));
const kPhone = {width: 844, height: 390, isMobile: true, hasTouch: true, isLandscape: true};
// An element's middle in the visual viewport, where fingers touch.
const Middle = (page, selector) => page.$eval(selector, element => {
  const box = element.getBoundingClientRect();
  return {x: box.x + box.width / 2 - visualViewport.offsetLeft, y: box.y + box.height / 2 - visualViewport.offsetTop};
});
const Spot = (page, action) => Middle(page, `#touch [data-action="${action}"]`);
const Tap = (page, spot) => page.touchscreen.tap(spot.x, spot.y).then(() => sleep(0.3));
const View = (page, take = ViewPixels) => take(page).then(async view => {
  await page.$eval('#stage', stage => { stage.style.width = ''; });  // the layout as it was
  return view;
});

RunTest([process.argv[2]], async (browser, url) => {
  const page = await OpenPageIn(browser, kPhone, url + '?record&seed=7');
  await WaitForBox(page, 'Wybor trybu');
  const shown = await page.$$eval('#touch [data-action]', all => all.filter(c => c.checkVisibility()).map(c => c.dataset.action));
  Check(['walk', 'back', 'turn_left', 'turn_right', 'fire', 'pause', 'fullscreen'].every(a => shown.includes(a)),
        'touch controls shown: ' + shown);
  await page.tap('#box-no');
  await page.waitForSelector('#canvas:not([hidden])');
  const canvas = await page.$eval('#canvas', canvas => canvas.getBoundingClientRect().toJSON());
  Check(canvas.top === 0 && Math.abs(canvas.height - 390) <= 1 && Math.abs(canvas.width - 520) <= 1,
        'the picture does not fill the height: ' + JSON.stringify(canvas));
  const start = await View(page, DrawnView);
  await page.screenshot({path: '/tmp/phone-landscape.png'});

  // Two fingers: the browser's own touch events, the walk held throughout.
  const cdp = await page.createCDPSession();
  const Touch = (type, ...touchPoints) => cdp.send('Input.dispatchTouchEvent', {type, touchPoints});
  const walk = {...await Spot(page, 'walk'), id: 1}, fire = {...await Spot(page, 'fire'), id: 2};
  await Touch('touchStart', walk);
  await sleep(1.5);
  const walked = Changed(start, await View(page));
  await Touch('touchStart', walk, fire);
  await sleep(0.2);
  await Touch('touchMove', walk);  // Fire let go
  await sleep(0.5);
  await Touch('touchEnd');
  Check(walked > 0.05, 'holding walk did not change the view');

  for (const action of ['pause', 'walk', 'fire']) await Tap(page, await Spot(page, action));
  await page.waitForFunction(() => document.getElementById('status').textContent === 'Koniec gry (kod 0).');
  const demo = await page.$eval('#download a', link => fetch(link.href).then(reply => reply.text()));
  Check(demo.split('\n').some(keys => /U/.test(keys) && /S/.test(keys)), 'no frame walks and fires');

  // The recording as a timedemo in the page, and in vorbexia-sim.
  await page.evaluate(demo => {
    FS.writeFile('/demos/touch.demo', demo);
    history.replaceState(null, '', '?timedemo=touch.demo');
  }, demo);
  await (await page.$('#play-again')).scrollIntoView();
  await Tap(page, await Middle(page, '#play-again'));
  const figures = await ConsoleLine(page, /^timedemo: \d+ frames/, 120);
  const state = await ConsoleLine(page, new RegExp('^' + figures.split(' ')[1] + ' '));
  const file = fs.mkdtempSync('/tmp/vorbexia-demo-') + '/touch.demo';
  fs.writeFileSync(file, demo);
  const desktop = execFileSync(process.argv[3], ['--demo', file], {encoding: 'utf8'}).trim().split('\n').pop();
  console.log('the page ends in ' + state + '\nvorbexia-sim in ' + desktop);
  Check(state === desktop, 'the page ends the recording elsewhere than vorbexia-sim');

  await page.setViewport({...kPhone, width: 390, height: 844, isLandscape: false});
  await page.waitForFunction(() => document.getElementById('turn').checkVisibility(), {timeout: 5000});
  Check(await page.$eval('#turn', turn => turn.checkVisibility() && turn.textContent) ===
        'Obroc telefon poziomo, aby grac.', 'upright, no request to turn the phone');
  await page.screenshot({path: '/tmp/phone-portrait.png'});
  await page.evaluate(() => localStorage.setItem('vorbexia.conf', 'language = en\n'));
  await page.goto(url);
  const english = await page.$$eval('#turn, #touch-fire', parts => parts.map(part => part.textContent));
  Check(english.join('|') === 'Fire|Turn your phone sideways to play.', 'in English: ' + english);
});
