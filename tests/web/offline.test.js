// The page played offline: loaded once, the network gone (the browser
// offline and the server stopped), the page reloaded asks the mode question
// and the game plays. A rebuilt page (another mark in the page and its
// worker) is what the next visit gets, and what is then kept: offline
// again, the new build's mark comes, and only its files are kept.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const {RunTest, Serve, OpenPage, Check, WaitForBox, Answer, ViewPixels, Changed} = require('./lib.js');

const sleep = seconds => new Promise(resolve => setTimeout(resolve, seconds * 1000));
const Mark = page => page.$eval('meta[name="vorbexia-version"]', meta => meta.content);
const Kept = page => page.evaluate(() => caches.keys());

async function Stop(server) {
  const stopped = new Promise(resolve => server.close(resolve));
  server.closeAllConnections();
  await stopped;
}

// Until the worker of the page's build has kept its files and dropped any other build's.
async function KeptOnly(page, mark) {
  for (let tenths = 0; tenths < 300; ++tenths) {
    const kept = await Kept(page);
    if (kept.length === 1 && kept[0] === 'vorbexia-' + mark) return;
    await sleep(0.1);
  }
  throw new Error('the browser keeps ' + JSON.stringify(await Kept(page)) + ', not build ' + mark);
}

RunTest([], async browser => {
  const site = fs.mkdtempSync(path.join(os.tmpdir(), 'vorbexia-site-'));
  fs.cpSync(process.argv[2], site, {recursive: true});
  let server = await Serve([site]);
  const port = server.address().port;
  const url = `http://127.0.0.1:${port}/?seed=7`;
  const page = await OpenPage(browser, url);
  await WaitForBox(page, 'Wybor trybu');
  const first = await Mark(page);
  Check(/^[0-9a-f]{12}$/.test(first), 'the build has no mark: ' + first);
  await KeptOnly(page, first);

  await page.setOfflineMode(true);
  await Stop(server);
  await page.reload();
  await WaitForBox(page, 'Wybor trybu');
  Check(await Mark(page) === first, 'offline, another build came');
  await Answer(page, 'no');
  await page.waitForSelector('#canvas:not([hidden])');
  await sleep(1);
  const start = await ViewPixels(page);
  await page.keyboard.down('ArrowUp');
  await sleep(1.5);
  await page.keyboard.up('ArrowUp');
  Check(Changed(start, await ViewPixels(page)) > 0.05, 'offline, Up did not walk');

  // Rebuilt: the same files under another mark, as tools/build-web writes it.
  const second = 'feed' + first.slice(4) === first ? 'beef' + first.slice(4) : 'feed' + first.slice(4);
  for (const file of ['index.html', 'vorbexia-worker.js']) {
    const text = fs.readFileSync(path.join(site, file), 'utf8');
    fs.writeFileSync(path.join(site, file), text.replaceAll(first, second));
  }
  server = await Serve([site], port);
  await page.setOfflineMode(false);
  await page.goto(url);
  await WaitForBox(page, 'Wybor trybu');
  Check(await Mark(page) === second, 'the next visit got build ' + await Mark(page) + ', not ' + second);
  await KeptOnly(page, second);

  await page.setOfflineMode(true);
  await Stop(server);
  await page.reload();
  await WaitForBox(page, 'Wybor trybu');
  Check(await Mark(page) === second, 'offline, the old build ' + await Mark(page) + ' came back');
  console.log('build ' + first + ' played offline; build ' + second + ' replaced it');
  fs.rmSync(site, {recursive: true});
});
