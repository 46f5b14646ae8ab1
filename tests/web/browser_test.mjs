// The browser build played in Debian's Chromium, headless, through the page a
// player opens: the intro's splash and the menu, a new player to level 1 and a
// pair cleared by clicks with the sound running after the first click, a reload
// that keeps the player and the level, a start at ?level=7, the farewell after
// Quit, Alt+Enter into full screen and back, the messages for a lost WebGL
// context and a browser without WebGL 2, the robot's short game; no console
// errors on the way.
//
//   node browser_test.mjs URL ROBOT_URL SHOT_FOLDER
//
// Prints one line per case and "N passed, N failed" last; exits non-zero on a
// failure. Screenshots go to SHOT_FOLDER.
import { chromium } from 'playwright-core';
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';

const [url, robotUrl, shots] = process.argv.slice(2);
const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
const APP_INTRO = 0;
const APP_MAINMENU = 2;
const APP_GAME = 3;
const GS_SHOWING_PROGRESS_BEFORE = 2;
const GS_LEVEL_RUNNING = 4;
const GAME_WIDTH = 800;
const GAME_HEIGHT = 600;
const PLAYER = 'Webtester';

mkdirSync(shots, { recursive: true });
const problems = [];  // console errors and page errors, for the last case
const results = [];

function fail(why) {
  throw new Error(why);
}

// Calls a hook of tests/web/page_hook.cpp with text arguments; its text answer,
// or null before the game runs. (Not through ccall: while the game waits in
// the middle of a frame, ccall answers with that wait's result.)
async function hook(page, name, ...args) {
  return page.evaluate(([name, args]) => {
    if (!window.Module || !Module.calledRun || !Module['_' + name]) {
      return null;
    }
    const texts = args.map((text) => Module.allocateUTF8(text));
    const answer = Module.UTF8ToString(Module['_' + name](...texts));
    texts.forEach((text) => Module._free(text));
    return answer;
  }, [name, args]);
}

async function state(page) {
  const answer = await hook(page, 'tess_test_state');
  return answer ? JSON.parse(answer) : null;
}

async function waitFor(page, what, test, seconds = 30) {
  const until = Date.now() + seconds * 1000;
  for (;;) {
    const now = await state(page);
    if (now && test(now)) {
      return now;
    }
    if (Date.now() > until) {
      fail('waited ' + seconds + ' s for ' + what + '; the game shows ' + JSON.stringify(now));
    }
    await page.waitForTimeout(100);
  }
}

// Game pixels to page pixels: the 800 x 600 picture letterboxed in the window.
async function toPage(page, x, y) {
  const box = await page.evaluate(([w, h]) => {
    const width = innerWidth;
    const height = innerHeight;
    const scale = Math.min(width / w, height / h);
    return { x: (width - w * scale) / 2, y: (height - h * scale) / 2, scale };
  }, [GAME_WIDTH, GAME_HEIGHT]);
  return { x: box.x + x * box.scale, y: box.y + y * box.scale };
}

async function audioState(page) {
  return page.evaluate(() => (Module.SDL2 && Module.SDL2.audioContext
    ? Module.SDL2.audioContext.state : 'none'));
}

async function clickGame(page, x, y) {
  const at = await toPage(page, x, y);
  await page.mouse.move(at.x, at.y);
  await page.waitForTimeout(50);
  await page.mouse.down();
  await page.waitForTimeout(80);
  await page.mouse.up();
  await page.waitForTimeout(80);
}

async function clickControl(page, form, control) {
  await waitFor(page, 'the form ' + form, (s) => s.forms.includes(form));
  await page.waitForTimeout(300);  // the form settles
  const at = await hook(page, 'tess_test_control', form, control);
  if (!at) {
    fail('no control ' + form + '/' + control);
  }
  const [x, y] = at.split(' ').map(Number);
  await clickGame(page, x, y);
}

// Mean, spread and count of distinct colours of a screenshot, read back in
// the page from the PNG.
async function pictureFigures(page, png) {
  return page.evaluate(async (data) => {
    const image = new Image();
    image.src = 'data:image/png;base64,' + data;
    await image.decode();
    const canvas = new OffscreenCanvas(image.width, image.height);
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const pixels = context.getImageData(0, 0, image.width, image.height).data;
    let sum = 0;
    let sumSquares = 0;
    const colours = new Set();
    for (let i = 0; i < pixels.length; i += 4 * 7) {
      const grey = (pixels[i] + pixels[i + 1] + pixels[i + 2]) / 3;
      sum += grey;
      sumSquares += grey * grey;
      colours.add((pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]);
    }
    const n = pixels.length / (4 * 7);
    const mean = sum / n;
    return { mean, spread: Math.sqrt(Math.max(0, sumSquares / n - mean * mean)),
             colours: colours.size };
  }, png.toString('base64'));
}

async function shot(page, name) {
  const png = await page.screenshot({ path: join(shots, name + '.png') });
  return pictureFigures(page, png);
}

function expectPicture(figures, what) {
  if (figures.spread < 10 || figures.colours < 50) {
    fail(what + ' looks empty: ' + JSON.stringify(figures));
  }
}

// Pages share one profile, so IndexedDB outlives a page.
async function openPage(context, address = url) {
  const page = await context.newPage();
  page.on('console', (message) => {
    if (message.type() === 'error') {
      problems.push('console: ' + message.text());
    }
  });
  page.on('pageerror', (error) => problems.push('page: ' + error.message));
  page.on('response', (response) => {
    if (response.status() >= 400) {
      problems.push('http ' + response.status() + ': ' + response.url());
    }
  });
  await page.goto(address);
  return page;
}

async function run(name, body) {
  const started = Date.now();
  try {
    await body();
    results.push(true);
    console.log(`PASS ${name} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
  } catch (error) {
    results.push(false);
    console.log(`FAIL ${name}: ${error.message}`);
  }
}

const browser = await chromium.launch({
  executablePath: CHROMIUM,
  headless: true,
  // Software WebGL 2. (Headless Chromium lets sound start without a gesture,
  // so only the sound's running after the first click is checked.)
  args: ['--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--ignore-gpu-blocklist'],
});
const context = await browser.newContext({ viewport: { width: 1000, height: 700 } });
let page;

await run('the page loads; the splash, then the menu', async () => {
  page = await openPage(context);
  await waitFor(page, 'the intro', (s) => s.module === APP_INTRO, 60);
  await page.waitForTimeout(1500);
  const splash = await shot(page, 'splash');
  expectPicture(splash, 'the splash');
  await waitFor(page, 'the menu', (s) => s.module === APP_MAINMENU && s.forms.includes('menu'), 30);
  await page.waitForTimeout(1000);
  const menu = await shot(page, 'menu');
  expectPicture(menu, 'the menu');
  if (Math.abs(menu.mean - splash.mean) < 1 && menu.colours === splash.colours) {
    fail('the menu looks like the splash');
  }
});

await run('a new player reaches level 1 and clears a pair by clicks', async () => {
  await clickControl(page, 'menu', 'start');
  const audio = await audioState(page);
  if (audio !== 'running') {
    fail('the sound is ' + audio + ' after the first click, not running');
  }
  await waitFor(page, 'the new-player form', (s) => s.forms.includes('newuser'));
  await page.waitForTimeout(300);
  await page.keyboard.type(PLAYER, { delay: 60 });
  await clickControl(page, 'newuser', 'newuser_ok');
  await waitFor(page, 'the story', (s) => s.forms.includes('story'));
  for (let picture = 0; picture < 5; ++picture) {
    const now = await state(page);
    if (!now.forms.includes('story')) {
      break;
    }
    await clickControl(page, 'story', 'story_next');
    await page.waitForTimeout(400);
  }
  await waitFor(page, 'the map of level 1',
    (s) => s.module === APP_GAME && s.state === GS_SHOWING_PROGRESS_BEFORE, 30);
  await page.waitForTimeout(800);
  await clickGame(page, 400, 300);
  const running = await waitFor(page, 'level 1 running',
    (s) => s.module === APP_GAME && s.state === GS_LEVEL_RUNNING, 30);
  if (running.level !== 1 || running.player !== PLAYER) {
    fail('level ' + running.level + ' for "' + running.player + '", not level 1 for ' + PLAYER);
  }
  await page.waitForTimeout(1000);
  const pair = await hook(page, 'tess_test_pair');
  if (!pair) {
    fail('the board has no pair to join');
  }
  const [ax, ay, bx, by] = pair.split(' ').map(Number);
  await clickGame(page, ax, ay);
  await clickGame(page, bx, by);
  await waitFor(page, 'the pair to go', (s) => s.tiles === running.tiles - 2, 10);
  expectPicture(await shot(page, 'level'), 'the level');
  // The frame time, from the browser's own animation frames.
  const frame = await page.evaluate(() => new Promise((resolve) => {
    const times = [];
    const step = (t) => {
      times.push(t);
      if (times.length < 121) {
        requestAnimationFrame(step);
      } else {
        resolve((times[times.length - 1] - times[0]) / (times.length - 1));
      }
    };
    requestAnimationFrame(step);
  }));
  console.log(`frame time in play: ${frame.toFixed(1)} ms (requestAnimationFrame, 120 frames)`);
});

await run('a reload keeps the player and the level', async () => {
  await page.evaluate(() => new Promise((resolve) => {
    const settled = () => (!Module.savesBusy && !Module.savesPending ? resolve()
      : setTimeout(settled, 50));
    settled();
  }));
  await page.reload();
  const menu = await waitFor(page, 'the menu after the reload',
    (s) => s.module === APP_MAINMENU && s.forms.includes('menu'), 60);
  if (menu.player !== PLAYER) {
    fail('the player after the reload is "' + menu.player + '", not ' + PLAYER);
  }
  // The player stands at level 1, so the story comes first again.
  await clickControl(page, 'menu', 'start');
  await waitFor(page, 'the story', (s) => s.forms.includes('story'));
  for (let picture = 0; picture < 5; ++picture) {
    if (!(await state(page)).forms.includes('story')) {
      break;
    }
    await clickControl(page, 'story', 'story_next');
    await page.waitForTimeout(400);
  }
  const map = await waitFor(page, 'the map of the level reached',
    (s) => s.module === APP_GAME && s.state === GS_SHOWING_PROGRESS_BEFORE, 30);
  if (map.level !== 1) {
    fail('the game continues at level ' + map.level + ', not 1');
  }
  await page.waitForTimeout(800);
  expectPicture(await shot(page, 'after-reload'), 'the map after the reload');
});

await run('?level=7 starts level 7', async () => {
  const levelPage = await openPage(context, url + '?level=7');
  const level = await waitFor(levelPage, 'level 7',
    (s) => s.module === APP_GAME && s.level === 7 && s.tiles > 0, 60);
  if (level.level !== 7) {
    fail('level ' + level.level);
  }
  await levelPage.waitForTimeout(500);
  expectPicture(await shot(levelPage, 'level7'), 'level 7');
  await levelPage.close();
});

// Alt+Enter as a player presses it: Alt held while Enter goes down and up.
async function altEnter(page) {
  await page.keyboard.down('Alt');
  await page.waitForTimeout(200);
  await page.keyboard.press('Enter', { delay: 200 });
  await page.keyboard.up('Alt');
}

await run('Alt+Enter takes the game to full screen and back', async () => {
  await page.goto(url);
  await waitFor(page, 'the menu', (s) => s.module === APP_MAINMENU && s.forms.includes('menu'), 60);
  await clickGame(page, 20, 20);
  for (const wanted of [true, false]) {
    await altEnter(page);
    await page.waitForFunction((full) => !!document.fullscreenElement === full, wanted,
      { timeout: 10000 });
    await page.waitForTimeout(500);
    await waitFor(page, 'the menu', (s) => s.module === APP_MAINMENU && s.forms.includes('menu'));
    expectPicture(await shot(page, wanted ? 'fullscreen' : 'windowed'),
      wanted ? 'the menu in full screen' : 'the menu back in the page');
  }
});

await run('Quit ends on the farewell, whose button plays again', async () => {
  await page.goto(url);
  await waitFor(page, 'the menu', (s) => s.module === APP_MAINMENU && s.forms.includes('menu'), 60);
  await clickControl(page, 'menu', 'exit');
  await clickControl(page, 'exit', 'quit_yes');
  await page.waitForSelector('#farewell:not(.hidden)', { timeout: 30000 });
  await shot(page, 'farewell');
  await page.click('#play-again');
  await waitFor(page, 'the intro again', (s) => s.module === APP_INTRO || s.module === APP_MAINMENU,
    60);
});

await run('a lost WebGL context and a browser without WebGL 2 get a message', async () => {
  await page.goto(url);
  await waitFor(page, 'the game', (s) => s.module >= 0, 60);
  await page.evaluate(() => document.getElementById('canvas').getContext('webgl2')
    .getExtension('WEBGL_lose_context').loseContext());
  await page.waitForSelector('#message:not(.hidden)', { timeout: 10000 });
  const lost = await page.textContent('#message');
  if (!/reload/i.test(lost)) {
    fail('the message after the context loss says: ' + lost);
  }
  const bare = await context.newPage();
  await bare.addInitScript(() => {
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (kind, ...rest) {
      return kind === 'webgl2' ? null : getContext.call(this, kind, ...rest);
    };
  });
  await bare.goto(url);
  await bare.waitForSelector('#message:not(.hidden)', { timeout: 10000 });
  const missing = await bare.textContent('#message');
  if (!/WebGL 2/.test(missing)) {
    fail('the message without WebGL 2 says: ' + missing);
  }
  await bare.close();
});

await run("the robot's short game in the browser", async () => {
  const robot = await openPage(context, robotUrl);
  await robot.waitForFunction(() => window.robotDone, null, { timeout: 20 * 60 * 1000,
                                                              polling: 1000 });
  const line = await robot.evaluate(() => window.robotDone);
  console.log(line);
  if (!line.startsWith('robot: passed')) {
    fail(line);
  }
  await robot.close();
});

await run('no errors in the browser console', async () => {
  if (problems.length > 0) {
    fail(problems.join(' | '));
  }
});

await browser.close();
const passed = results.filter(Boolean).length;
console.log(`${passed} passed, ${results.length - passed} failed`);
process.exit(results.length === passed ? 0 : 1);
