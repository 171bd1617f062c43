// The page in headless Chromium: a student's session whose saved file must hold the
// bytes the core writes on the desktop for the same gestures, the example circuits
// drawn as lotra-sim draws them, recovery after a reload, and one tab only; the
// desktop's double click, keys and clock (behind a dialog, behind another tab), screen
// scaling, a finger's tap, and storage that is full. Prints the start, settle, tick and
// size figures.
// The analysis panels: a full adder's forms and Karnaugh map, the JK counter's state
// graph, and the generator's ticks while twelve inputs are worked out.
// Usage: node page-test.js PAGE LOTRA_SIM REFERENCE_SESSION SOURCE_DIR [WRITE_FULL_CHAIN
//        WRITE_CRAFTED_REPAINTS WRITE_SIX_BIT_ADDER]
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const puppeteer = require('puppeteer-core');

const [pagePath, simPath, referencePath, sourceDir, fullChainWriter, craftedWriter, adderWriter] =
    process.argv.slice(2);
const kSkip = 77;
if (!pagePath || !fs.existsSync(pagePath)) {
    console.log(`no page at ${pagePath}: build it with "make web"`);
    process.exit(kSkip);
}
const pageUrl = 'file://' + path.resolve(pagePath);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'lotra-web-'));
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
// A 640 x 480 work area, as the desktop's client area: the menu bar is 21 pixels
// and the status line under the work area 20.
const kViewport = { width: 640, height: 521 };
let failures = 0;

function check(condition, message) {
    if (condition) return;
    failures++;
    console.log('FAIL: ' + message);
}

let currentPage = null;  // shown in a screenshot when a step fails
let unloadPrompts = 0;  // the pages' questions before they close

// `prepare` runs before the page is opened.
async function openPage(browser, prepare = async () => {}) {
    const page = await browser.newPage();
    currentPage = page;
    await prepare(page);
    await page.setViewport(kViewport);
    page.on('pageerror', (error) => { failures++; console.log('FAIL: page error: ' + error.message); });
    page.on('dialog', (dialog) => {
        if (dialog.type() === 'beforeunload') unloadPrompts++;
        dialog.accept();
    });
    page.on('console', (message) => {
        if (message.type() === 'error') console.log('page console: ' + message.text());
    });
    await page.goto(pageUrl);
    await page.waitForFunction(() => document.getElementById('notice').hidden === false ||
                                     lotra.stats.firstFrame !== null);
    return page;
}

// The page has done with the last gesture, or waits in a dialog for the next.
const idle = (page) => page.waitForFunction(
    () => !lotra.isBusy() || !document.getElementById('modal').hidden);
const dialogOpen = (page) => page.waitForSelector('#modal:not([hidden]) .dialog');

async function clickButton(page, text) {
    await page.evaluate((label) => {
        const button = [...document.querySelectorAll('#modal button')].find((b) => b.textContent === label);
        if (!button) throw new Error('no button ' + label);
        button.click();
    }, text);
}

// Opens the menu that holds the command and clicks its item, as a user does.
async function chooseCommand(page, command) {
    await (await openMenuItem(page, command)).click();
}

// Opens the menu that holds the command; its item, to be clicked.
async function openMenuItem(page, command) {
    const index = await page.evaluate((id) => {
        const menus = JSON.parse(document.getElementById('menubar').dataset.commands);
        return menus.findIndex((items) => items.includes(id));
    }, command);
    const titles = await page.$$('.menutitle');
    await titles[index].click();
    return page.waitForSelector(`.menuitem[data-command="${command}"]`, { timeout: 3000 })
        .catch(async (error) => {
            await page.screenshot({ path: path.join(work, 'no-menu.png') });
            throw new Error(`no item ${command} (screenshot in ${work}): ${error.message}`);
        });
}

// Chooses the command if its item is enabled; false, with the menu closed again, if not.
async function chooseIfEnabled(page, command) {
    const item = await openMenuItem(page, command);
    if (await item.evaluate((element) => element.classList.contains('disabled'))) {
        await page.keyboard.press('Escape');
        return false;
    }
    await item.click();
    return true;
}

// Where a point of the work area is in the page, below the menu bar and whatever
// bar the page shows under it.
async function inWorkArea(page, x, y) {
    const r = await page.evaluate(() => {
        const { left, top } = document.getElementById('workarea').getBoundingClientRect();
        return { left, top };
    });
    return [r.left + x, r.top + y];
}

async function clickWorkArea(page, x, y, withControl) {
    if (withControl) await page.keyboard.down('Control');
    await page.mouse.click(...await inWorkArea(page, x, y));
    if (withControl) await page.keyboard.up('Control');
    await idle(page);
}

// One line of the session file: a gesture, or the answer to the dialog it opened.
async function playStep(page, verb, words) {
    switch (verb) {
        case 'command': return chooseCommand(page, Number(words[0]));
        case 'click': return clickWorkArea(page, Number(words[0]), Number(words[1]), false);
        case 'ctrlclick': return clickWorkArea(page, Number(words[0]), Number(words[1]), true);
    }
    await dialogOpen(page);
    switch (verb) {
        case 'logic':
            await page.evaluate(([conjunction, inputs, inverted]) => {
                const dialog = document.querySelector('#modal .dialog');
                const [conj, disj] = dialog.querySelectorAll('input[type=radio]');
                (conjunction === '1' ? conj : disj).click();
                dialog.querySelector('input[type=text]:not([readonly])').value = inputs;
                const box = dialog.querySelector('input[type=checkbox]');
                if (box.checked !== (inverted === '1')) box.click();
            }, words);
            return clickButton(page, 'OK');
        case 'pin':
            await page.click(`#modal input[data-pin="${words[0]}"]`);
            return clickButton(page, 'OK');
        case 'question':
            return page.keyboard.press('Enter');
        case 'warning':
            return clickButton(page, 'Продолжить');
        case 'filename':
            // The name field opens focused with its text selected: typing replaces it.
            await page.keyboard.type(words[0]);
            return page.keyboard.press('Enter');
    }
    throw new Error('unknown step ' + verb);
}

async function playSession(page, file) {
    for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
        if (!line.trim() || line.startsWith('#')) continue;
        const [verb, ...words] = line.trim().split(/\s+/);
        try {
            await playStep(page, verb, words);
            await idle(page);
        } catch (error) {
            await page.screenshot({ path: path.join(work, 'failed-step.png') });
            throw new Error(`at "${line}" (screenshot in ${work}): ${error.message}`);
        }
    }
}

// The work area's pixels as RGBA bytes.
async function workAreaPixels(page, keepAs) {
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
    if (keepAs) {
        const url = await page.evaluate(() => document.getElementById('workarea').toDataURL());
        fs.writeFileSync(path.join(work, keepAs + '.png'), Buffer.from(url.split(',')[1], 'base64'));
    }
    return page.evaluate(() => {
        const canvas = document.getElementById('workarea');
        const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        return { width: data.width, height: data.height, bytes: Array.from(data.data),
                 textBoxes: lotra.stats.textBoxes };
    });
}

// A PNG decoded by the browser itself.
async function pngPixels(page, file) {
    const base64 = fs.readFileSync(file).toString('base64');
    return page.evaluate(async (data) => {
        const blob = await (await fetch('data:image/png;base64,' + data)).blob();
        const bitmap = await createImageBitmap(blob);
        const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
        const context = canvas.getContext('2d');
        context.drawImage(bitmap, 0, 0);
        const image = context.getImageData(0, 0, bitmap.width, bitmap.height);
        return { width: image.width, height: image.height, bytes: Array.from(image.data) };
    }, base64);
}

// The bounding box of the pixels that are not white.
function inkBox(image) {
    let left = Infinity, top = Infinity, right = -1, bottom = -1;
    for (let y = 0; y < image.height; y++) {
        for (let x = 0; x < image.width; x++) {
            const i = (y * image.width + x) * 4;
            if (image.bytes[i] === 255 && image.bytes[i + 1] === 255 && image.bytes[i + 2] === 255) continue;
            left = Math.min(left, x); top = Math.min(top, y);
            right = Math.max(right, x); bottom = Math.max(bottom, y);
        }
    }
    return { left, top, right, bottom };
}

// The desktop's picture laid over the page's where their ink starts: every pixel
// equal outside text. Inside the boxes where text was drawn the browser's glyphs
// differ from the desktop's hinted ones by about a pixel: at most 15 % may differ.
function comparePictures(name, pageImage, desktopImage) {
    const a = inkBox(pageImage), b = inkBox(desktopImage);
    const dx = a.left - b.left, dy = a.top - b.top;
    const inText = (x, y) => (pageImage.textBoxes || []).some(
        (t) => x >= t.left && x < t.right && y >= t.top && y < t.bottom);
    let outside = 0, textPixels = 0, textDiffer = 0;
    for (let y = 0; y < desktopImage.height; y++) {
        for (let x = 0; x < desktopImage.width; x++) {
            const px = x + dx, py = y + dy;
            if (px < 0 || py < 0 || px >= pageImage.width || py >= pageImage.height) continue;
            const i = (y * desktopImage.width + x) * 4, j = (py * pageImage.width + px) * 4;
            const same = [0, 1, 2].every((c) => desktopImage.bytes[i + c] === pageImage.bytes[j + c]);
            if (inText(px, py)) {
                textPixels++;
                if (!same) textDiffer++;
            } else if (!same) {
                outside++;
            }
        }
    }
    console.log(`${name}: ${outside} pixels differ outside text, ${textDiffer} of ${textPixels} in text`);
    check(a.right - a.left === b.right - b.left && a.bottom - a.top === b.bottom - b.top,
          `${name}: the circuit's extent differs from the desktop's`);
    check(outside === 0, `${name}: pixels differ from the desktop's outside text`);
    check(textDiffer <= textPixels * 0.15, `${name}: the text differs too much`);
}

// lotra-sim's picture of the file, powered on and settled or with the levels stored.
function desktopPicture(file, powered) {
    const png = path.join(work, path.basename(file) + (powered ? '-powered' : '') + '.png');
    execFileSync(simPath, [...(powered ? [] : ['--no-power']), '--png', png, file]);
    return png;
}

// The file the command hands to the browser; `answer` answers the dialogs it opens.
async function download(page, command, answer = async () => {}) {
    const folder = fs.mkdtempSync(path.join(work, 'download-'));
    const client = await page.createCDPSession();
    await client.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
    await chooseCommand(page, command);
    await answer();
    for (let i = 0; i < 100 && !fs.readdirSync(folder).some((f) => !f.endsWith('.crdownload')); i++) {
        await sleep(50);
    }
    const [name] = fs.readdirSync(folder);
    return { name, bytes: fs.readFileSync(path.join(folder, name)) };
}

// The bytes the browser's storage holds for a file of the folder, or null.
async function storedFile(page, name) {
    return page.evaluate((path) => new Promise((resolve) => {
        const open = indexedDB.open('/lotra');
        open.onerror = () => resolve(null);
        open.onsuccess = () => {
            const files = open.result.transaction('FILE_DATA').objectStore('FILE_DATA');
            const get = files.get(path);
            get.onerror = () => resolve(null);
            get.onsuccess = () => resolve(get.result ? Array.from(get.result.contents) : null);
            open.result.close();
        };
    }), '/lotra/' + name);
}

// A digest of the work area's pixels, for telling whether the picture changed.
const workAreaDigest = (page) => page.evaluate(async () => {
    await new Promise((resolve) => requestAnimationFrame(resolve));
    const canvas = document.getElementById('workarea');
    const words = new Uint32Array(canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data.buffer);
    let hash = 2166136261;
    for (const word of words) hash = Math.imul(hash ^ word, 16777619);
    return `${canvas.width}x${canvas.height}:${hash >>> 0}`;
});

// Whether the picture has a pixel that is not white in the square at left, top.
function inkIn(image, left, top, size) {
    for (let y = top; y < top + size; y++) {
        for (let x = left; x < left + size; x++) {
            const i = (y * image.width + x) * 4;
            if (image.bytes[i] !== 255 || image.bytes[i + 1] !== 255 || image.bytes[i + 2] !== 255) return true;
        }
    }
    return false;
}

async function pressKeys(page, keys) {
    for (const key of keys) await page.keyboard.down(key);
    for (const key of [...keys].reverse()) await page.keyboard.up(key);
}

// "Загрузить с диска...": past the warning, the file is chosen.
async function chooseFromDisk(page, file) {
    await chooseCommand(page, 41001);
    await dialogOpen(page);
    const [chooser] = await Promise.all([page.waitForFileChooser(), clickButton(page, 'Продолжить')]);
    await chooser.accept([file]);
    await idle(page);
}

const allQuiet = (page) =>
    page.waitForFunction(() => !lotra.isBusy() && document.getElementById('modal').hidden);

async function loadFromDisk(page, file) {
    await chooseFromDisk(page, file);
    await allQuiet(page);
}

// --- A group copied and pasted: an input signal wired to an indicator, both chosen
// with a rubber band, Ctrl+C, Ctrl+V, the copy follows the pointer and a click puts
// it down; saved, each indicator of the file shows its own signal.
async function groupPaste(page) {
    await chooseCommand(page, 57600);
    await dialogOpen(page);
    await clickButton(page, 'Продолжить');
    await dialogOpen(page);
    await page.keyboard.type('pairs.vrt');
    await page.keyboard.press('Enter');
    await allQuiet(page);
    await chooseCommand(page, 40007);
    await clickWorkArea(page, 150, 100, false);
    await chooseCommand(page, 40022);
    await clickWorkArea(page, 350, 100, false);
    await clickWorkArea(page, 160, 108, false);
    await dialogOpen(page);
    await page.click('#modal input[data-pin="9"]');
    await clickButton(page, 'OK');
    await allQuiet(page);
    await clickWorkArea(page, 380, 115, false);
    await dialogOpen(page);
    await page.click('#modal input[data-pin="0"]');
    await clickButton(page, 'OK');
    await allQuiet(page);

    await page.mouse.move(...await inWorkArea(page, 120, 70));
    await page.mouse.down();
    await page.mouse.move(...await inWorkArea(page, 270, 110));
    await page.mouse.move(...await inWorkArea(page, 420, 160));
    await page.mouse.up();
    await allQuiet(page);
    await pressKeys(page, ['Control', 'KeyC']);
    await allQuiet(page);
    await page.mouse.move(...await inWorkArea(page, 150, 230));
    await pressKeys(page, ['Control', 'KeyV']);
    await allQuiet(page);
    await page.mouse.move(...await inWorkArea(page, 160, 262));
    await allQuiet(page);
    const following = await workAreaPixels(page, 'pasted-following');
    check(inkIn(following, 165, 265, 15), 'the pasted pair does not follow the pointer');
    await clickWorkArea(page, 160, 262, false);
    await pressKeys(page, ['Control', 'KeyS']);
    await allQuiet(page);
    const saved = await storedFile(page, 'pairs.vrt');
    check(saved !== null, 'pairs.vrt was not saved');
    if (!saved) return;
    const file = path.join(work, 'pairs.vrt');
    fs.writeFileSync(file, Buffer.from(saved));
    const rows = execFileSync(simPath, ['--truth-table', file]).toString().trim().split('\n')
        .slice(1).map((line) => line.split('\t').map(Number));
    check(rows.length === 4 && rows.every(([x1, x2, y1, y2]) => x1 === y1 && x2 === y2),
          'the saved pairs are not each wired: ' + JSON.stringify(rows));
}

// --- The desktop's gestures and keys on a new circuit: a double click ends a wire, the
// items' keys reach the core in place of the browser's own actions, Alt with a
// title's letter opens that menu alone, and the clock ticks on behind a dialog.
async function gesturesAndKeys(page) {
    await chooseCommand(page, 57600);
    await dialogOpen(page);
    await clickButton(page, 'Продолжить');
    await dialogOpen(page);
    await page.keyboard.type('gestures.vrt');
    await page.keyboard.press('Enter');
    await allQuiet(page);
    const empty = await storedFile(page, 'gestures.vrt');

    await chooseCommand(page, 40007);
    await clickWorkArea(page, 150, 100, false);
    await clickWorkArea(page, 160, 108, false);
    await dialogOpen(page);
    await page.click('#modal input[data-pin="9"]');
    await clickButton(page, 'OK');
    await allQuiet(page);
    await clickWorkArea(page, 200, 160, false);
    await page.mouse.click(...await inWorkArea(page, 260, 160), { count: 2 });
    await allQuiet(page);
    const ended = await workAreaDigest(page);
    await page.mouse.move(...await inWorkArea(page, 400, 300));
    await allQuiet(page);
    check(ended === await workAreaDigest(page),
          'a double click did not end the wire: its end still follows the pointer');

    await page.evaluate(() => {
        window.keysSeen = [];
        window.addEventListener('keydown', (e) => window.keysSeen.push([e.code, e.defaultPrevented]));
    });
    await pressKeys(page, ['Control', 'KeyZ']);
    await allQuiet(page);
    const undone = await workAreaDigest(page);
    await pressKeys(page, ['Control', 'Shift', 'KeyZ']);
    await allQuiet(page);
    check(undone !== ended && await workAreaDigest(page) === ended,
          'Ctrl+Z and Ctrl+Shift+Z did not undo and redo the wire');
    await pressKeys(page, ['Control', 'KeyS']);
    await allQuiet(page);
    const saved = await storedFile(page, 'gestures.vrt');
    check(saved && empty && saved.length > empty.length, 'Ctrl+S did not save the circuit');
    const seen = await page.evaluate(() => window.keysSeen.filter(([code]) => code.startsWith('Key')));
    check(seen.length === 3 && seen.every(([, prevented]) => prevented),
          'the browser kept its own action for the keys: ' + JSON.stringify(seen));
    await pressKeys(page, ['Alt', 'KeyG']);
    const opened = await page.evaluate(() => {
        const title = document.querySelector('.menutitle.open');
        return title ? [...title.childNodes].filter((n) => !n.classList || !n.classList.contains('dropdown'))
            .map((n) => n.textContent).join('') : '';
    });
    check(opened === 'Питание', `Alt+П opened "${opened}", not "Питание"`);
    await page.keyboard.press('Escape');

    // The generator's clock behind the help note that F1 opens: one tick every 100 ms,
    // and the generator's level changes beneath the note.
    await chooseCommand(page, 40021);
    await dialogOpen(page);
    await page.keyboard.press('Enter');
    await allQuiet(page);
    await clickWorkArea(page, 350, 100, false);
    await chooseCommand(page, 40026);
    await chooseCommand(page, 40031);
    await allQuiet(page);
    await page.keyboard.press('F1');
    const helpOpened = await page.waitForSelector('#modal:not([hidden]) .dialog', { timeout: 3000 })
        .then(() => true, () => false);
    check(helpOpened, 'F1 did not open the help note');
    if (!helpOpened) {
        await chooseCommand(page, 57670);
        await dialogOpen(page);
    }
    const ticks = () => page.evaluate(() => [performance.now(), (lotra.stats.ticks || {})[1] || 0]);
    const [from, before] = await ticks();
    const frames = [];
    for (const started = Date.now(); Date.now() - started < 2000;) {
        frames.push(await workAreaDigest(page));
        await sleep(100);
    }
    const [to, after] = await ticks();
    const expected = Math.round((to - from) / 100);
    console.log(`behind the help note: ${after - before} ticks in ${Math.round(to - from)} ms`);
    check(Math.abs(after - before - expected) <= 2,
          `${after - before} ticks behind the dialog in ${Math.round(to - from)} ms, not ${expected}`);
    check(new Set(frames).size > 1,
          'the generator\'s level did not change behind the dialog');
    await page.keyboard.press('Escape');

    // Behind another tab the browser wakes the page about once a second: the clock
    // keeps time all the same.
    const front = await page.browser().newPage();
    await front.bringToFront();
    const [hiddenFrom, hiddenBefore] = await ticks();
    await sleep(3000);
    const [hiddenTo, hiddenAfter] = await ticks();
    await front.close();
    await page.bringToFront();
    const due = Math.round((hiddenTo - hiddenFrom) / 100);
    console.log(`behind another tab: ${hiddenAfter - hiddenBefore} ticks in ${Math.round(hiddenTo - hiddenFrom)} ms`);
    check(Math.abs(hiddenAfter - hiddenBefore - due) <= 10,
          `${hiddenAfter - hiddenBefore} ticks behind another tab in ${Math.round(hiddenTo - hiddenFrom)} ms, not ${due}`);

    // The computer's file chooser is one more dialog the clock goes on behind.
    await chooseCommand(page, 41001);
    await dialogOpen(page);
    const [chooser] = await Promise.all([page.waitForFileChooser(), clickButton(page, 'Продолжить')]);
    const [chooserFrom, chooserBefore] = await ticks();
    await sleep(1500);
    const [chooserTo, chooserAfter] = await ticks();
    await chooser.cancel();
    await allQuiet(page);
    const chooserDue = Math.round((chooserTo - chooserFrom) / 100);
    console.log(`behind the file chooser: ${chooserAfter - chooserBefore} ticks in ${Math.round(chooserTo - chooserFrom)} ms`);
    check(Math.abs(chooserAfter - chooserBefore - chooserDue) <= 2,
          `${chooserAfter - chooserBefore} ticks behind the file chooser in ${Math.round(chooserTo - chooserFrom)} ms, not ${chooserDue}`);
    await chooseCommand(page, 40032);
    await allQuiet(page);
}

// --- At 125 % and 150 % every pixel of the work area is a square of whole device
// pixels, so a line one pixel wide is as wide as every other one: the screen shows the
// canvas's pixels as they are, outside the scroll bars.
async function scaledScreens(page) {
    // Emulated scaling tells the page nothing when it changes: the page starts anew in it.
    const reopen = async (viewport) => {
        await page.setViewport(viewport);
        await page.reload();
        await page.waitForFunction(() => lotra.stats.firstFrame !== null);
        await allQuiet(page);
    };
    for (const scale of [1.25, 1.5]) {
        await reopen({ ...kViewport, deviceScaleFactor: scale });
        const canvas = await workAreaPixels(page);
        const file = path.join(work, `scale-${scale}.png`);
        await page.screenshot({ path: file });
        const shot = await pngPixels(page, file);
        // Where the browser puts the canvas's first row may round either way.
        const top = await page.evaluate((ratio) =>
            Math.round(document.getElementById('workarea').getBoundingClientRect().top * ratio), scale);
        // The scroll bars' edges need not fall on the canvas's: a little more is left out.
        const bar = 20 * Math.max(1, Math.round(scale));
        const differing = (first) => {
            let count = 0;
            for (let y = 0; y < canvas.height - bar; y++) {
                for (let x = bar; x < canvas.width; x++) {
                    const i = (y * canvas.width + x) * 4, j = ((y + first) * shot.width + x) * 4;
                    if ([0, 1, 2].some((c) => canvas.bytes[i + c] !== shot.bytes[j + c])) count++;
                }
            }
            return count;
        };
        const differ = Math.min(differing(top - 1), differing(top), differing(top + 1));
        check(canvas.width === Math.round(kViewport.width * scale) && differ === 0,
              `at ${scale * 100} %: the canvas is ${canvas.width} device pixels wide and ${differ} ` +
              'of its pixels differ on the screen');
    }
    await reopen(kViewport);
}

// --- A tap places the element waiting to be placed where the finger is.
async function fingerTap(page) {
    // The emulated touch screen comes with a reload of the page.
    await page.setViewport({ ...kViewport, hasTouch: true });
    await page.waitForFunction(() => lotra.stats.firstFrame !== null);
    await allQuiet(page);
    await chooseCommand(page, 40004);
    await allQuiet(page);
    const before = await workAreaPixels(page);
    await page.touchscreen.tap(...await inWorkArea(page, 300, 250));
    await allQuiet(page);
    // The trigger's corner goes to the grid point next to the finger.
    const after = await workAreaPixels(page);
    check(!inkIn(before, 300, 250, 20) && inkIn(after, 300, 250, 20),
          'a tap at 300,250 did not place the trigger there');
}

// The text of the open dialog, its fields' included; empty when none is open.
const openDialogText = (page) => page.evaluate(() => {
    const modal = document.getElementById('modal');
    if (modal.hidden) return '';
    return [modal.textContent, ...[...modal.querySelectorAll('input')].map((e) => e.value)].join(' ');
});

// --- Storage that is full (the origin's quota capped, other data taking the rest):
// replacing a file fails as a failed write, reported once, before the dialog of a file
// dropped meanwhile; the file keeps what it held, and the page goes on. The quota holds
// only when it is set before the origin's storage is first used: a browser of its own.
async function refusedStorage(file) {
    const browser = await launchBrowser('full-profile');
    try {
        const page = await openPage(browser, async (blank) => {
            const client = await blank.createCDPSession();
            await blank.goto('about:blank');
            await client.send('Storage.overrideQuotaForOrigin', { origin: 'file://', quotaSize: 256 * 1024 });
        });
        await dropFile(page, file, 'kept.vrt');
        await dialogOpen(page);
        await clickButton(page, 'Продолжить');
        await allQuiet(page);
        const kept = await storedFile(page, 'kept.vrt');
        await page.evaluate(async () => {
            const db = await new Promise((resolve) => {
                const open = indexedDB.open('filler', 1);
                open.onupgradeneeded = () => open.result.createObjectStore('s');
                open.onsuccess = () => resolve(open.result);
            });
            const put = (size) => new Promise((resolve) => {
                const t = db.transaction('s', 'readwrite');
                t.objectStore('s').put(crypto.getRandomValues(new Uint8Array(size)), Math.random());
                t.oncomplete = () => resolve(true);
                t.onabort = () => resolve(false);
            });
            for (const size of [16384, 4096, 1024, 256]) while (await put(size));
            db.close();
        });
        await chooseCommand(page, 40030);
        await dialogOpen(page);
        await dropFile(page, file, 'dropped.vrt');
        await sleep(200);
        await page.keyboard.type('kept.vrt');
        await page.keyboard.press('Enter');
        const dialogs = [];
        for (let i = 0; i < 5; i++) {
            await sleep(300);
            const text = await openDialogText(page);
            if (!text) continue;
            dialogs.push(text);
            // Past the warning that the file exists; every other dialog is cancelled.
            if (/уже существует/.test(text)) await clickButton(page, 'Продолжить');
            else await page.keyboard.press('Escape');
        }
        check(dialogs.length === 3 && /уже существует/.test(dialogs[0]) &&
              /Не удалось записать файл kept\.vrt!/.test(dialogs[1]) && /открытии файла/.test(dialogs[2]),
              'full storage showed ' + JSON.stringify(dialogs));
        const quiet = await page.waitForFunction(() => !lotra.isBusy(), { timeout: 3000 }).then(() => true, () => false);
        check(quiet, 'the page hangs after a write the storage refused');
        const stored = await storedFile(page, 'kept.vrt');
        check(kept && stored && Buffer.compare(Buffer.from(stored), Buffer.from(kept)) === 0,
              'the refused write changed what the storage held');
        if (!quiet) return;
        await chooseCommand(page, 40030);
        check(await dialogOpen(page).then(() => true, () => false),
              '"Сохранить как..." opens nothing after the refused write');
        await page.keyboard.press('Escape');
        // Nor can the recovery file follow a change: the page says so under the menus.
        await chooseCommand(page, 57643);
        await chooseCommand(page, 57644);
        const warned = await page.waitForFunction(
            () => !document.getElementById('recovery-notice').hidden, { timeout: 8000 })
            .then(() => true, () => false);
        check(warned, 'an autosave the storage refused shows no notice');
    } finally {
        await browser.close();
    }
}

// --- Crafted files that must still repaint quickly: a pile of a million junction
// ends on one point, and a wire of twenty million points far outside the window.
// Medians of five whole repaints, each under 100 ms.
async function craftedRepaints(page) {
    const pile = path.join(work, 'pile.vrt'), far = path.join(work, 'far.vrt');
    execFileSync(craftedWriter, [pile, far]);
    for (const [name, file] of [['junction pile', pile], ['far-away wire', far]]) {
        await loadFromDisk(page, file);
        const times = [];
        for (let i = 0; i < 5; i++) {
            times.push(await page.evaluate(async () => {
                lotra.requestPaint();
                await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
                return lotra.stats.lastPaintMs;
            }));
        }
        const median = times.sort((a, b) => a - b)[2];
        console.log(`${name}: repainted in ${median.toFixed(1)} ms (median of five)`);
        check(median < 100, `the ${name} repaints in ${median.toFixed(1)} ms`);
    }
}

// The file a button of a panel hands to the browser once a name is typed for it.
async function panelDownload(page, button, name) {
    const folder = fs.mkdtempSync(path.join(work, 'download-'));
    const client = await page.createCDPSession();
    await client.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
    await page.click(button);
    await dialogOpen(page);
    await page.keyboard.type(name);
    await page.keyboard.press('Enter');
    for (let i = 0; i < 100 && !fs.readdirSync(folder).some((f) => !f.endsWith('.crdownload')); i++) {
        await sleep(50);
    }
    await allQuiet(page);
    const [saved] = fs.readdirSync(folder);
    return { name: saved, bytes: saved ? fs.readFileSync(path.join(folder, saved)) : Buffer.alloc(0) };
}

// A picture of the page in a window of a usual size, for a person to look at.
// The viewport keeps its touch screen: a change of that would reload the page.
async function screenshotLarger(page, name) {
    const viewport = page.viewport();
    await page.setViewport({ ...viewport, width: 1100, height: 760 });
    await allQuiet(page);
    await page.screenshot({ path: path.join(work, name) });
    await page.setViewport(viewport);
    await allQuiet(page);
}

const kFunctionsCommand = 41020;
const kAutomatonCommand = 41021;

// "Функции схемы..." on the full adder: the carry's forms with bars over nothing, the
// sum's with six bars, and the map as big as lotra-sim draws it, with its loops in
// colour; "Автомат..." on the adder says it has no states, and on the JK counter
// that comes in next shows four states and the start's arrow.
async function analysisPanels(page) {
    const examples = path.join(sourceDir, 'res/examples');
    // Under names the page's folder does not hold yet, so that nothing asks to replace them.
    const copy = (name) => {
        const file = path.join(work, 'panel-' + name);
        fs.copyFileSync(path.join(examples, name), file);
        return file;
    };
    await loadFromDisk(page, copy('full-adder.vrt'));
    const answered = (panel, count) => page.waitForFunction(
        (name, n) => lotra[name].answers >= n, { timeout: 20000 }, panel, count).catch(async (error) => {
        const state = await page.evaluate((name) => JSON.stringify({ ...lotra[name], panel: undefined,
            parts: undefined, busy: lotra.isBusy() }), panel);
        throw new Error(`${panel} did not answer (${state}): ${error.message}`);
    });
    await chooseCommand(page, kFunctionsCommand);
    await answered('functionsPanel', 1);
    await page.select('#functions-panel select', 'Y1.2');
    await allQuiet(page);
    const carry = await page.evaluate(() => [...document.querySelectorAll('#functions-panel .form')]
        .map((form) => [form.textContent, form.querySelectorAll('.negated').length]));
    check(JSON.stringify(carry) === JSON.stringify([['X1·X2 ∨ X1·X3 ∨ X2·X3', 0],
                                                    ['(X1 ∨ X2)·(X1 ∨ X3)·(X2 ∨ X3)', 0]]),
          'the carry\'s forms are ' + JSON.stringify(carry));
    const map = await page.evaluate(() => {
        const canvas = document.querySelector('#functions-panel canvas');
        const bytes = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
        let coloured = 0;
        for (let i = 0; i < bytes.length; i += 4) {
            if (Math.max(bytes[i], bytes[i + 1], bytes[i + 2]) - Math.min(bytes[i], bytes[i + 1], bytes[i + 2]) > 60) coloured++;
        }
        return { width: canvas.width, height: canvas.height, coloured };
    });
    const simMap = path.join(work, 'carry-map.png');
    execFileSync(simPath, ['--kmap', 'Y1.2', simMap, path.join(examples, 'full-adder.vrt')]);
    const desktopMap = await pngPixels(page, simMap);
    check(map.width === desktopMap.width && map.height === desktopMap.height && map.coloured > 50,
          `the map is ${map.width}x${map.height} with ${map.coloured} coloured pixels, ` +
          `lotra-sim's ${desktopMap.width}x${desktopMap.height}`);
    await page.select('#functions-panel select', 'Y1.1');
    await allQuiet(page);
    const sum = await page.evaluate(() => [...document.querySelectorAll('#functions-panel .form')]
        .map((form) => form.querySelectorAll('.negated').length));
    check(JSON.stringify(sum) === '[6,6]', 'the sum\'s forms have bars ' + JSON.stringify(sum));
    const mapFile = await panelDownload(page, '#functions-panel .buttons button', 'sum.png');
    check(mapFile.name === 'sum.png' && mapFile.bytes.toString('latin1', 1, 4) === 'PNG',
          `the map saved as ${mapFile.name}`);
    await screenshotLarger(page, 'functions-panel.png');

    // The adder has no states: the panel says so and points to the functions. It follows
    // the circuit: the counter that comes in is drawn.
    await chooseCommand(page, kAutomatonCommand);
    await answered('automatonPanel', 1);
    const combinational = await page.evaluate(() => [
        document.querySelector('#automaton-panel pre').textContent,
        document.querySelector('#automaton-panel .left button').hidden,
        document.querySelectorAll('#automaton-panel svg').length]);
    check(/комбинационная/.test(combinational[0]) && !combinational[1] && combinational[2] === 0,
          'the adder\'s automaton panel shows ' + JSON.stringify(combinational));
    await loadFromDisk(page, copy('jk-counter.vrt'));
    await answered('automatonPanel', 2);
    const graph = await page.evaluate(() => {
        const titles = (kind) => [...document.querySelectorAll(`#automaton-panel svg g.${kind} > title`)]
            .map((t) => t.textContent);
        return { nodes: titles('node'), edges: titles('edge') };
    });
    const states = graph.nodes.filter((name) => /^s\d+$/.test(name));
    check(states.length === 4 && graph.nodes.includes('start') && graph.edges.includes('start->s0'),
          'the graph has ' + JSON.stringify(graph));
    for (const [name, header] of [['graph.svg', '<?xml'], ['graph.png', '\x89PNG'], ['graph.pdf', '%PDF-']]) {
        const file = await panelDownload(page, '#automaton-panel .buttons > button', name);
        check(file.name === name && file.bytes.toString('latin1', 0, header.length) === header,
              `${name}: the panel saved ${file.name} starting ${file.bytes.toString('latin1', 0, 8)}`);
    }
    await screenshotLarger(page, 'automaton-panel.png');
    await page.click('#automaton-panel .close');
    console.log(`analysis panels: screenshots ${work}/functions-panel.png, ${work}/automaton-panel.png`);

    // Twelve inputs worked out stepwise: the generator's ticks keep coming, none late
    // by more than 100 ms, and the panel follows the circuit that came in.
    if (adderWriter) {
        const adder = path.join(work, 'six-bit-adder.vrt');
        execFileSync(adderWriter, [adder]);
        await chooseIfEnabled(page, 40026);
        await chooseCommand(page, 40031);
        await allQuiet(page);
        const before = await page.evaluate(() => {
            lotra.stats.tickLateMs = {};
            lotra.functionsPanel.longestSliceMs = 0;
            return [performance.now(), lotra.stats.ticks[1] || 0, lotra.functionsPanel.answers];
        });
        await loadFromDisk(page, adder);
        await answered('functionsPanel', before[2] + 1);
        const after = await page.evaluate(() => [performance.now(), lotra.stats.ticks[1] || 0,
                                                 lotra.stats.tickLateMs[1] || 0, lotra.stats.lastAnalysisMs,
                                                 document.querySelector('#functions-panel select').length,
                                                 lotra.functionsPanel.longestSliceMs]);
        const [to, ticks, late, computed, functions, slice] = after;
        const expected = Math.round((to - before[0]) / 100);
        console.log(`six-bit adder: ${functions} functions worked out in ${Math.round(computed)} ms; ` +
                    `the longest slice of work ${Math.round(slice)} ms; ${ticks - before[1]} ticks in ` +
                    `${Math.round(to - before[0])} ms, the latest ${Math.round(late)} ms late`);
        check(functions === 7, `the adder has ${functions} functions, not 7`);
        // What the page worked out in steps is what lotra-sim works out at once.
        const shown = await page.evaluate(() => JSON.stringify(lotra.functionsPanel.shown));
        const printed = execFileSync(simPath, ['--functions', '--json', adder]).toString();
        check(shown === JSON.stringify(JSON.parse(printed)), 'the panel\'s functions differ from lotra-sim\'s');
        check(Math.abs(ticks - before[1] - expected) <= 2, `${ticks - before[1]} ticks, not ${expected}`);
        check(late <= 100 && slice <= 100,
              `a tick ran ${Math.round(late)} ms late, a slice of work took ${Math.round(slice)} ms`);
        await chooseCommand(page, 40032);
    }
    await page.click('#functions-panel .close');
    await allQuiet(page);
}

// A file of the computer dropped on the page under that name.
async function dropFile(page, file, name) {
    await page.evaluate((bytes, fileName) => {
        const transfer = new DataTransfer();
        transfer.items.add(new File([new Uint8Array(bytes)], fileName));
        document.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true }));
    }, [...fs.readFileSync(file)], name);
}

// The browser as users have it: a tab behind another has its timers throttled.
function launchBrowser(profile) {
    return puppeteer.launch({
        executablePath: '/usr/bin/chromium', headless: true,
        args: ['--no-sandbox', '--disable-gpu'], userDataDir: path.join(work, profile),
        ignoreDefaultArgs: ['--disable-background-timer-throttling', '--disable-renderer-backgrounding',
                            '--disable-backgrounding-occluded-windows'],
    });
}

// "Временная диаграмма" opens the panel under the work area, and with the example
// counter running it draws its rows: high levels in red, low ones in blue.
async function timingDiagram(page) {
    const counter = path.join(work, 'timing-counter.vrt');
    fs.copyFileSync(path.join(sourceDir, 'res/examples/jk-counter.vrt'), counter);
    await loadFromDisk(page, counter);
    await chooseCommand(page, 40026);
    await idle(page);
    await chooseCommand(page, 40031);
    await idle(page);
    await chooseCommand(page, 41030);
    await page.waitForSelector('#timing-panel:not([hidden]) canvas');
    await sleep(2500);
    const colours = await page.evaluate(() => {
        const canvas = document.querySelector('#timing-panel canvas');
        const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        let red = 0, blue = 0;
        for (let i = 0; i < data.length; i += 4) {
            if (data[i] === 255 && data[i + 1] === 0 && data[i + 2] === 0) red++;
            if (data[i] === 0 && data[i + 1] === 0 && data[i + 2] === 255) blue++;
        }
        return { red, blue, width: canvas.width };
    });
    await page.screenshot({ path: path.join(work, 'page-timing.png') });
    check(colours.width > 0 && colours.red > 100 && colours.blue > 100,
          `the timing panel drew ${colours.red} red and ${colours.blue} blue pixels`);
    await chooseCommand(page, 40032);
    await idle(page);
    await chooseCommand(page, 41030);
    await page.waitForFunction(() => document.getElementById('timing-panel').hidden);
    await chooseCommand(page, 40027);
    await idle(page);
}

async function main() {
    const browser = await launchBrowser('profile');
    try {
        // --- The session, and the desktop core's bytes for it.
        const reference = path.join(work, 'reference');
        fs.mkdirSync(reference);
        const session = path.join(__dirname, 'student-session.txt');
        execFileSync(referencePath, [session], { cwd: reference });
        const started = Date.now();
        const page = await openPage(browser);
        const stats = await page.evaluate(() => lotra.stats);
        console.log(`first frame ${Math.round(stats.firstFrame)} ms after the page was opened`);
        await playSession(page, session);
        const saved = await download(page, 41002);
        const expected = fs.readFileSync(path.join(reference, 'session.vrt'));
        check(saved.name === 'session.vrt', `the download is named ${saved.name}`);
        check(Buffer.compare(saved.bytes, expected) === 0,
              `the page saved ${saved.bytes.length} bytes unlike the desktop's ${expected.length}`);
        const sessionPicture = await workAreaPixels(page, 'session-page');
        // Opening leaves the power on: the levels show.
        const savedFile = path.join(reference, 'session.vrt');
        comparePictures('session', sessionPicture, await pngPixels(page, desktopPicture(savedFile, true)));
        console.log(`session played in ${Date.now() - started} ms`);

        // --- "Сохранить рисунок...": the PNG the page downloads holds the desktop's pixels
        // of the powered circuit, text included; an .svg or .pdf name gives a file of that kind.
        const typeName = (name) => async () => {
            await dialogOpen(page);
            await page.keyboard.type(name);
            await page.keyboard.press('Enter');
        };
        const picture = await download(page, 40033, typeName('picture.png'));
        check(picture.name === 'picture.png', `the picture is named ${picture.name}`);
        fs.writeFileSync(path.join(work, 'page-picture.png'), picture.bytes);
        const pagePicture = await pngPixels(page, path.join(work, 'page-picture.png'));
        const desktopImage = await pngPixels(page, desktopPicture(savedFile, true));
        check(pagePicture.width === desktopImage.width && pagePicture.height === desktopImage.height,
              `the picture is ${pagePicture.width}x${pagePicture.height}, ` +
              `the desktop's ${desktopImage.width}x${desktopImage.height}`);
        // The text went where the work area drew it, moved as the picture is.
        const shownInk = inkBox(sessionPicture), pictureInk = inkBox(pagePicture);
        const dx = pictureInk.left - shownInk.left, dy = pictureInk.top - shownInk.top;
        pagePicture.textBoxes = sessionPicture.textBoxes.map((t) => (
            { left: t.left + dx, top: t.top + dy, right: t.right + dx, bottom: t.bottom + dy }));
        comparePictures('picture command', pagePicture, desktopImage);
        // The folder holds it too, once the page has put the folder into the browser's storage.
        const stored = await storedFile(page, 'picture.png');
        check(stored && Buffer.compare(Buffer.from(stored), picture.bytes) === 0,
              'the folder does not hold the picture the page downloaded');
        // Compressed as the desktop's are.
        const desktopSize = fs.statSync(desktopPicture(savedFile, true)).size;
        console.log(`picture: the page's PNG ${picture.bytes.length} bytes, lotra-sim's ${desktopSize}`);
        check(picture.bytes.length <= 2 * desktopSize, 'the page\'s PNG is over twice the size of lotra-sim\'s');
        for (const [name, header] of [['picture.svg', '<?xml'], ['picture.pdf', '%PDF-']]) {
            const file = await download(page, 40033, typeName(name));
            check(file.name === name && file.bytes.toString('latin1', 0, header.length) === header,
                  `${name}: the page downloaded ${file.name} starting ${file.bytes.toString('latin1', 0, 8)}`);
        }
        await allQuiet(page);

        // --- A second tab finds the first and does not start.
        const second = await openPage(browser);
        const refused = await second.evaluate(() => document.getElementById('notice-text').textContent);
        check(/другой вкладке/.test(refused), 'a second tab started: ' + refused);
        await second.close();
        currentPage = page;

        // --- The autosave writes the recovery file; a reload is a crash, and the next
        // start brings the circuit back with the power off.
        // Written within 2 s of the last change, not only every 15 s; then closing the
        // page asks nothing.
        await sleep(2500);
        await idle(page);
        const quietPrompts = unloadPrompts;
        await page.reload();
        check(unloadPrompts === quietPrompts, 'the page asked before closing with nothing to lose');
        await page.waitForFunction(() => lotra.stats.firstFrame !== null);
        comparePictures('restored', await workAreaPixels(page, 'restored-page'),
                        await pngPixels(page, desktopPicture(savedFile, false)));

        // --- The examples, opened from the computer, drawn as the desktop draws them.
        const examples = fs.readdirSync(path.join(sourceDir, 'res/examples'))
            .filter((name) => name.endsWith('.vrt')).sort();
        for (const example of examples) {
            const file = path.join(sourceDir, 'res/examples', example);
            await loadFromDisk(page, file);
            comparePictures(example, await workAreaPixels(page),
                            await pngPixels(page, desktopPicture(file, false)));
        }

        // --- A file from the computer and a dropped file are steps as "Открыть..." is, the
        // name included: undone, the circuit before is back under its own name, so that a
        // save goes to that file and never writes it over the one loaded.
        const circuitName = async () => (await download(page, 41002)).name;
        const [earlier, later] = examples.slice(-2);
        check(await chooseIfEnabled(page, 57643), '"Отменить" is disabled after a load');
        await allQuiet(page);
        check(await circuitName() === earlier, 'the undone load left the name ' + later);
        comparePictures(`${earlier} with the load undone`, await workAreaPixels(page),
                        await pngPixels(page, desktopPicture(
                            path.join(sourceDir, 'res/examples', earlier), false)));
        check(await chooseIfEnabled(page, 57644), '"Повторить" is disabled after an undo');
        await allQuiet(page);
        check(await circuitName() === later, 'the redone load is not named ' + later);
        const exampleBytes = Array.from(fs.readFileSync(path.join(sourceDir, 'res/examples', earlier)));
        await page.evaluate((bytes) => {
            const transfer = new DataTransfer();
            transfer.items.add(new File([new Uint8Array(bytes)], 'dropped-example.vrt'));
            document.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true }));
        }, exampleBytes);
        await dialogOpen(page);
        await clickButton(page, 'Продолжить');
        await allQuiet(page);
        check(await circuitName() === 'dropped-example.vrt', 'the dropped file is not the current one');
        check(await chooseIfEnabled(page, 57643), '"Отменить" is disabled after a drop');
        await allQuiet(page);
        check(await circuitName() === later, 'the undone drop left the name dropped-example.vrt');

        // --- A second file of a name the folder holds replaces it only after a warning;
        // refused, the folder's file and the circuit on the screen stay.
        const repeated = path.join(work, 'repeated');
        fs.mkdirSync(repeated);
        const first = path.join(repeated, 'first.vrt');
        fs.copyFileSync(path.join(sourceDir, 'res/examples', examples[0]), first);
        await loadFromDisk(page, first);
        const shown = await workAreaPixels(page);
        fs.copyFileSync(path.join(sourceDir, 'res/examples', examples[1]), first);
        await chooseFromDisk(page, first);
        await dialogOpen(page);
        const warning = await page.evaluate(
            () => [...document.querySelectorAll('#modal input')].map((i) => i.value).join(' '));
        check(/first\.vrt уже существует/.test(warning), 'no warning before replacing: ' + warning);
        await clickButton(page, 'Отказаться');
        await allQuiet(page);
        check(Buffer.compare(Buffer.from((await workAreaPixels(page)).bytes), Buffer.from(shown.bytes)) === 0,
              'a refused replacement changed the circuit on the screen');

        // --- A dropped file of noise holds no record: it is refused, with no crash and no hang.
        await page.evaluate(() => {
            const noise = new Uint8Array(4096).map((_, i) => (i * 2654435761) >>> 24);
            const transfer = new DataTransfer();
            transfer.items.add(new File([noise], 'noise.vrt'));
            document.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true }));
        });
        await dialogOpen(page);
        await clickButton(page, 'Продолжить');
        await page.waitForFunction(() => document.getElementById('modal').textContent
            .includes('Файл noise.vrt: это не файл схемы'), { timeout: 10000 });
        await clickButton(page, 'OK');
        await page.waitForFunction(() => !lotra.isBusy() && document.getElementById('modal').hidden,
                                   { timeout: 10000 });

        await groupPaste(page);
        await gesturesAndKeys(page);
        // The page asks before it goes with a change the recovery file does not hold yet.
        await pressKeys(page, ['Control', 'KeyZ']);
        await allQuiet(page);
        const prompts = unloadPrompts;
        await page.reload();
        check(unloadPrompts === prompts + 1, 'closing the page right after a change did not ask first');
        await page.waitForFunction(() => lotra.stats.firstFrame !== null);
        await scaledScreens(page);
        await fingerTap(page);

        await timingDiagram(page);

        // --- The settle of the full tables after "Вкл.", and its repaint: medians of five.
        if (fullChainWriter) {
            const file = path.join(work, 'full-chain.vrt');
            execFileSync(fullChainWriter, [file]);
            await loadFromDisk(page, file);
            const settle = [], repaint = [];
            for (let i = 0; i < 5; i++) {
                await chooseCommand(page, 40026);
                await idle(page);
                const last = await page.evaluate(() => lotra.stats.lastCall);
                const powered = await openMenuItem(page, 40026);
                check(await powered.evaluate((item) => item.classList.contains('disabled')),
                      '"Вкл." did not switch the power on');
                await page.keyboard.press('Escape');
                settle.push(last.ms);
                repaint.push(last.paintMs);
                await chooseCommand(page, 40027);
                await idle(page);
            }
            const median = (values) => values.sort((a, b) => a - b)[2].toFixed(1);
            console.log(`full-table chain: settled in ${median(settle)} ms after "Вкл.", ` +
                        `repainted in ${median(repaint)} ms`);
        }
        if (craftedWriter) await craftedRepaints(page);
        await analysisPanels(page);

    } catch (error) {
        if (currentPage) await currentPage.screenshot({ path: path.join(work, 'failed.png') }).catch(() => {});
        throw new Error(`${error.message} (screenshot in ${work}/failed.png)`);
    } finally {
        await browser.close();
    }
    await refusedStorage(path.join(sourceDir, 'res/examples/full-adder.vrt'));
    const size = fs.statSync(pagePath).size;
    console.log(`page ${size} bytes`);
    check(size < 3 * 1024 * 1024, 'the page is 3 MB or more');
    console.log(failures ? `${failures} failures` : 'PASS');
    process.exit(failures ? 1 : 0);
}

main().catch(async (error) => {
    console.log('FAIL: ' + (error.stack || error));
    process.exit(1);
});
