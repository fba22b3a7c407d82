// Drives the web build in headless Chromium (Debian's, through playwright-core), from a small
// web server of its own on this machine:
//   node scripts/web-browser.js test PROGRAM.js          a test program's page: its output, and
//                                                         exit 0 when its totals show no failure
//   node scripts/web-browser.js walk SITE_FOLDER SHOTS    the program's page as a person uses it
//   node scripts/web-browser.js measure SITE_FOLDER RUNS  cold loads to the painted main window
// playwright-core comes from NODE_PATH (scripts/web.sh installs it into its cache folder); the
// program's facts from the environment (ZEL_DISPLAY_NAME, ZEL_EXECUTABLE_NAME), as web.sh sets them.
'use strict';

const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const { chromium } = require('playwright-core');

const repo = path.resolve(__dirname, '..');
const { ZEL_DISPLAY_NAME: displayName, ZEL_EXECUTABLE_NAME: executableName } = process.env;

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
    '.png': 'image/png', '.jpg': 'image/jpeg', '.svg': 'image/svg+xml',
};

// The folder's files over HTTP on a free port of this machine, never cached; /resources/ serves
// the repository's pictures, which the walk compares with what the page shows.
function serve(folder) {
    const server = http.createServer((request, response) => {
        const url = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
        const root = url.startsWith('/resources/') ? repo : folder;
        const file = path.join(root, path.normalize(url === '/' ? '/index.html' : url));
        fs.readFile(file, (error, data) => {
            if (error || !file.startsWith(root)) {
                response.writeHead(404);
                response.end();
                return;
            }
            response.writeHead(200, {
                'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                'Cache-Control': 'no-store',
            });
            response.end(data);
        });
    });
    return new Promise(resolve => server.listen(0, '127.0.0.1', () =>
        resolve({ url: `http://127.0.0.1:${server.address().port}`, close: () => server.close() })));
}

// A fresh browser with a profile of its own: nothing cached from an earlier run. Qt 6.4 draws with
// WebGL, which SwiftShader renders without a GPU; the background services stay off, as this
// machine's network refuses their connections.
function launch(language) {
    return chromium.launch({
        executablePath: process.env.ZEL_WEB_CHROMIUM || '/usr/bin/chromium',
        headless: true,
        chromiumSandbox: false,
        args: ['--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync',
               ...(language ? [`--lang=${language}`] : [])],
    });
}

// A screen of 1024×768 CSS pixels; QT_SCALE_FACTOR, which a page's program cannot read from this
// process, becomes the screen's own scale (2 for the tests at 200 %).
async function newPage(browser, language) {
    const context = await browser.newContext({
        viewport: { width: 1024, height: 768 },
        deviceScaleFactor: Number(process.env.QT_SCALE_FACTOR || 1),
        ...(language ? { locale: language } : {}),
    });
    return context.newPage();
}

// --- Test programs -------------------------------------------------------------------------------

// Qt Test prints its lines to the console; the last, "Totals: ...", says how the run went.
async function runTest(program) {
    const folder = path.dirname(path.resolve(program));
    const name = path.basename(program, '.js');
    const timeout = Number(process.env.ZEL_WEB_TEST_TIMEOUT || 300) * 1000;
    const server = await serve(folder);
    const browser = await launch();
    let totals = null;
    try {
        const page = await newPage(browser);
        const finished = new Promise(resolve => {
            page.on('console', message => {
                for (const line of message.text().split('\n')) {
                    console.log(line);
                    if (line.startsWith('Totals: '))
                        resolve((totals = line));
                }
            });
            page.on('pageerror', error => { console.log(`Page error: ${error.message}`); resolve(); });
            page.on('crash', () => { console.log('The page crashed'); resolve(); });
        });
        await page.goto(`${server.url}/${name}.html`);
        await Promise.race([finished, page.waitForTimeout(timeout)]);
        if (!totals)
            console.log(`No totals within ${timeout / 1000} s`);
    } finally {
        await browser.close();
        server.close();
    }
    const failed = totals && /, (\d+) failed,/.exec(totals);
    return failed && failed[1] === '0' ? 0 : 1;
}

// --- The page as a person uses it ----------------------------------------------------------------

// Marks the moment the page first draws with WebGL (Qt's compositor putting a window on the
// canvas) and the frame after it, when the browser shows it.
function markFirstPaint() {
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (type, attributes) {
        const context = getContext.call(this, type, attributes);
        if (context && type.startsWith('webgl') && !context.zelMarked) {
            context.zelMarked = true;
            for (const name of ['drawArrays', 'drawElements']) {
                const draw = context[name].bind(context);
                context[name] = (...args) => {
                    if (window.zelFirstDraw === undefined) {
                        window.zelFirstDraw = performance.now();
                        requestAnimationFrame(() => { window.zelPainted = performance.now(); });
                    }
                    return draw(...args);
                };
            }
        }
        return context;
    };
}

async function openProgram(browser, url, language) {
    const page = await newPage(browser, language);
    const lines = [];
    page.on('console', message => lines.push(message.text()));
    page.on('pageerror', error => lines.push(`Page error: ${error.message}`));
    await page.addInitScript(markFirstPaint);
    await page.goto(url);
    await page.waitForFunction(() => window.zelPainted !== undefined, null, { timeout: 60000 });
    return { page, lines };
}

// The animal pictures as the result window shows them: scaled to its 133-pixel box.
async function animalPictures(page, size) {
    const files = fs.readdirSync(path.join(repo, 'resources/animals'))
        .filter(file => /^\d\d[a-z]+\.jpg$/.test(file)).sort();
    return page.evaluate(async ([files, size]) => {
        const pictures = {};
        for (const file of files) {
            const image = new Image();
            image.src = `/resources/animals/${file}`;
            await image.decode();
            const canvas = document.createElement('canvas');
            canvas.width = canvas.height = size;
            const context = canvas.getContext('2d');
            context.imageSmoothingQuality = 'high';
            context.drawImage(image, 0, 0, size, size);
            pictures[file] = Array.from(context.getImageData(0, 0, size, size).data);
        }
        return pictures;
    }, [files, size]);
}

// Where a picture of size×size pixels best matches the screenshot, by the mean colours of a grid
// of cells (which a slightly different scaling or JPEG decoder leaves alone): the position and
// the mean difference of a colour channel there, 0 to 255.
// Running sums of every channel over the screenshot, so that the mean of any rectangle costs four
// reads.
function summed(shot) {
    const { width, height, data } = shot;
    const sums = [0, 1, 2].map(() => new Float64Array((width + 1) * (height + 1)));
    for (let y = 0; y < height; ++y) {
        for (let x = 0; x < width; ++x) {
            for (let c = 0; c < 3; ++c) {
                const s = sums[c];
                s[(y + 1) * (width + 1) + x + 1] = data[(y * width + x) * 4 + c]
                    + s[y * (width + 1) + x + 1] + s[(y + 1) * (width + 1) + x] - s[y * (width + 1) + x];
            }
        }
    }
    return { width, height, sums };
}

function findPicture(shot, picture, size) {
    const { width, height, sums } = shot;
    const cells = 8;
    const cell = Math.floor(size / cells);
    const mean = (c, x, y) => {
        const s = sums[c], w = width + 1;
        return (s[(y + cell) * w + x + cell] - s[y * w + x + cell] - s[(y + cell) * w + x]
                + s[y * w + x]) / (cell * cell);
    };
    const wanted = [];
    for (let cy = 0; cy < cells; ++cy) {
        for (let cx = 0; cx < cells; ++cx) {
            for (let c = 0; c < 3; ++c) {
                let total = 0;
                for (let y = cy * cell; y < (cy + 1) * cell; ++y)
                    for (let x = cx * cell; x < (cx + 1) * cell; ++x)
                        total += picture[(y * size + x) * 4 + c];
                wanted.push(total / (cell * cell));
            }
        }
    }
    let best = { x: -1, y: -1, difference: Infinity };
    for (let y = 0; y + size <= height; ++y) {
        for (let x = 0; x + size <= width; ++x) {
            let difference = 0, i = 0;
            for (let cy = 0; cy < cells && difference < best.difference * wanted.length; ++cy)
                for (let cx = 0; cx < cells; ++cx)
                    for (let c = 0; c < 3; ++c)
                        difference += Math.abs(mean(c, x + cx * cell, y + cy * cell) - wanted[i++]);
            if (i === wanted.length && difference / wanted.length < best.difference)
                best = { x, y, difference: difference / wanted.length };
        }
    }
    return best;
}

async function screenshot(page, file) {
    const png = await page.screenshot({ path: file });
    // The pixels themselves, decoded by the browser.
    return page.evaluate(async base64 => {
        const image = new Image();
        image.src = `data:image/png;base64,${base64}`;
        await image.decode();
        const canvas = document.createElement('canvas');
        canvas.width = image.width;
        canvas.height = image.height;
        const context = canvas.getContext('2d');
        context.drawImage(image, 0, 0);
        return { width: image.width, height: image.height,
                 data: Array.from(context.getImageData(0, 0, image.width, image.height).data) };
    }, png.toString('base64'));
}

// Key by key, as a keyboard that has é and ñ sends them: a key press that carries its text, which
// Playwright's keyboard knows for the keys of a US keyboard only.
async function typeKeys(page, text) {
    const session = await page.context().newCDPSession(page);
    for (const key of text) {
        if (key.charCodeAt(0) < 128) {
            await page.keyboard.press(key);
            continue;
        }
        for (const type of ['keyDown', 'keyUp'])
            await session.send('Input.dispatchKeyEvent',
                               { type, key, ...(type === 'keyDown' ? { text: key, unmodifiedText: key } : {}) });
    }
    await session.detach();
}

// The main window's menu bar, centred on the 1024×768 screen as the program centres it.
const menuBar = { x: 277, y: 262, width: 476, height: 20 };

// Types a name, picks March 7, 1990 from the three lists by keys, presses Find and looks for the
// jaguar (Balam, the sign of that date) in the result window; saves the report and the reading,
// opens the reading again, and looks at the setting and the German page.
async function walk(site, shots) {
    fs.mkdirSync(shots, { recursive: true });
    const server = await serve(site);
    const browser = await launch();
    try {
        const { page, lines } = await openProgram(browser, `${server.url}/index.html`);
        await page.waitForTimeout(500);
        await page.screenshot({ path: path.join(shots, 'main.png') });
        const englishMenus = await page.screenshot({ clip: menuBar });
        // The canvas takes the keys once clicked, where no window is; the name box has the focus.
        await page.mouse.click(5, 5);
        await typeKeys(page, 'José Peña');
        await page.keyboard.press('Tab');
        await page.keyboard.press('ArrowDown');
        await page.keyboard.press('ArrowDown');
        await page.keyboard.press('Tab');
        await page.keyboard.type('7');
        await page.keyboard.press('Tab');
        await page.keyboard.type('1990');
        await page.keyboard.press('Tab');
        await page.screenshot({ path: path.join(shots, 'main-filled.png') });
        await page.keyboard.press('Enter');
        await page.waitForTimeout(1500);
        const jaguar = await showsJaguar(page, path.join(shots, 'result.png'));
        if (!jaguar)
            console.log(lines.join('\n'));
        const saved = await savesAndOpens(page, shots);
        const kept = await reminderKept(page);
        const german = await speaksGerman(server.url, shots, englishMenus);
        return jaguar && saved && kept && german ? 0 : 1;
    } finally {
        await browser.close();
        server.close();
    }
}

// Whether the result window on the page shows the jaguar's picture (and no other animal's).
async function showsJaguar(page, file) {
    const shot = summed(await screenshot(page, file));
    const size = 133;
    const pictures = await animalPictures(page, size);
    const found = Object.entries(pictures)
        .map(([name, picture]) => ({ name, ...findPicture(shot, picture, size) }))
        .sort((a, b) => a.difference - b.difference);
    for (const match of found.slice(0, 3))
        console.log(`  ${match.name}: mean difference ${match.difference.toFixed(1)} at ${match.x},${match.y}`);
    const [best, next] = found;
    const ok = best.name === '09balam.jpg' && best.difference < 12
        && next.difference > 2 * best.difference;
    console.log(ok ? `The result window shows the jaguar at ${best.x},${best.y}`
                   : 'The result window does not show the jaguar');
    return ok;
}

// From the result window: Print opens the report, Save with the PDF type downloads the report,
// Save with the first type the saved reading; a fresh page opens that download again by Open,
// and its result window shows the jaguar once more.
async function savesAndOpens(page, shots) {
    const download = async (keys, suffix) => {
        const [file] = await Promise.all([page.waitForEvent('download', { timeout: 20000 }),
                                          (async () => {
                                              await page.keyboard.press('Control+s');
                                              await page.waitForTimeout(500);
                                              for (const key of keys)
                                                  await page.keyboard.press(key);
                                          })()]);
        const name = file.suggestedFilename();
        const where = path.join(shots, name);
        await file.saveAs(where);
        const bytes = fs.readFileSync(where);
        console.log(`Downloaded "${name}", ${bytes.length} bytes`);
        return name === `${displayName} - José Peña${suffix}` ? bytes : null;
    };
    await page.keyboard.press('Control+p');
    await page.waitForTimeout(1000);
    const pdf = await download(['Tab', 'Enter'], '.pdf');
    const reading = await download(['Enter'], '.zod');
    const saved = pdf !== null && pdf.subarray(0, 5).toString() === '%PDF-' && reading !== null
        && reading.length > 0;
    await page.reload();
    await page.waitForFunction(() => window.zelPainted !== undefined, null, { timeout: 60000 });
    await page.waitForTimeout(1000);
    // Into the main window's name box, centred on the screen as the program centres it.
    await page.mouse.click(546, 416);
    // Playwright takes over the browser's file chooser once it waits for one.
    const choosing = page.waitForEvent('filechooser', { timeout: 20000 });
    await page.waitForTimeout(300);
    await page.keyboard.press('Control+o');
    const chooser = await choosing;
    await chooser.setFiles(path.join(shots, `${displayName} - José Peña.zod`));
    await page.waitForTimeout(1500);
    const opened = await showsJaguar(page, path.join(shots, 'result-opened.png'));
    console.log(saved && opened ? 'Saved as a PDF and a reading, and the reading opened again'
                                : 'Saving or opening failed');
    return saved && opened;
}

// The one setting, in the site's own storage: the date of the first start, each character shifted
// 14 code points on, under the key Qt's settings give it; a reload finds it as it was.
async function reminderKept(page) {
    const read = () => page.evaluate(() => Object.entries(localStorage));
    const stored = await read();
    const today = await page.evaluate(() => new Date().toLocaleDateString('sv'));
    const dates = stored.filter(([key]) => key.startsWith(`qt-v0-${executableName}-`))
        .map(([key, value]) => [key, [...value.replace(/^@@/, '@')]
            .map(c => String.fromCharCode(c.charCodeAt(0) - 14)).join('')]);
    console.log(`Browser storage: ${JSON.stringify(dates)}`);
    await page.reload();
    await page.waitForFunction(() => window.zelPainted !== undefined, null, { timeout: 60000 });
    const again = await read();
    const ok = dates.length === 1 && dates[0][1] === today
        && JSON.stringify(again) === JSON.stringify(stored);
    console.log(ok ? `The reminder date ${today} is kept in the browser's storage across a reload`
                   : 'The reminder date is not kept in the browser\'s storage');
    return ok;
}

// The page in a browser whose language is German shows the program in German: its menu bar reads
// otherwise than the English one (the whole window is kept in SHOTS for a look).
async function speaksGerman(url, shots, englishMenus) {
    const german = await launch('de-DE');
    try {
        const { page } = await openProgram(german, `${url}/index.html`, 'de-DE');
        await page.waitForTimeout(500);
        await page.screenshot({ path: path.join(shots, 'main-de.png') });
        const menus = await page.screenshot({ clip: menuBar });
        const ok = await page.evaluate(() => navigator.language) === 'de-DE' && !menus.equals(englishMenus);
        console.log(ok ? 'The page speaks the browser\'s German' : 'The German page looks English');
        return ok;
    } finally {
        await german.close();
    }
}

// --- Cold loads ----------------------------------------------------------------------------------

// Each run a fresh browser: the milliseconds from navigation to the frame that shows the main
// window, and the bytes the page fetched.
async function measure(site, runs) {
    const server = await serve(site);
    const times = [];
    try {
        for (let run = 0; run < runs; ++run) {
            const browser = await launch();
            try {
                const { page } = await openProgram(browser, `${server.url}/index.html`);
                times.push(await page.evaluate(() => window.zelPainted));
            } finally {
                await browser.close();
            }
        }
    } finally {
        server.close();
    }
    const sorted = [...times].sort((a, b) => a - b);
    console.log(JSON.stringify({ runs: times.map(Math.round),
                                 median: Math.round(sorted[Math.floor(sorted.length / 2)]) }));
    return 0;
}

async function main() {
    const [command, ...rest] = process.argv.slice(2);
    switch (command) {
    case 'test': return runTest(rest[0]);
    case 'walk': return walk(path.resolve(rest[0]), path.resolve(rest[1] || os.tmpdir()));
    case 'measure': return measure(path.resolve(rest[0]), Number(rest[1] || 5));
    default:
        console.error('Usage: web-browser.js test PROGRAM.js | walk SITE SHOTS | measure SITE RUNS');
        return 2;
    }
}

main().then(code => process.exit(code), error => { console.error(error); process.exit(1); });
