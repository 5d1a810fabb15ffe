// The golden views drawn through the fixed-function layer on the browser's
// WebGL: tests/fixedgl/golden_test.cpp (at least 99 % of each view's pixels
// within 8 levels per channel of the desktop's frame) run in the page.
'use strict';
const {RunTest, OpenPage, Check, ConsoleLine} = require('./lib.js');

RunTest(process.argv.slice(2), async (browser, url) => {
  const page = await OpenPage(browser, url + 'golden.html');
  await ConsoleLine(page, /^\[==========\] \d+ tests? from .* ran/, 240);
  console.log(page.lines.filter(line => / % of pixels within /.test(line) || /^\[  FAILED/.test(line))
                  .join('\n'));
  Check(page.lines.some(line => /^\[  PASSED  \] \d+ tests?\.$/.test(line)) &&
        !page.lines.some(line => /^\[  FAILED/.test(line)), 'not every view within the tolerance');
});
