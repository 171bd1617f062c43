// The page in headless Chromium: a student's session whose saved file must hold the
// bytes the core writes on the desktop for the same gestures, the example circuits
// drawn as lotra-sim draws them, recovery after a reload, and one tab only. Prints
// the start, settle and size figures.
// Usage: node page-test.js PAGE LOTRA_SIM REFERENCE_SESSION SOURCE_DIR [WRITE_FULL_CHAIN]
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const puppeteer = require('puppeteer-core');

const [pagePath, simPath, referencePath, sourceDir, fullChainWriter] = process.argv.slice(2);
const kSkip = 77;
if (!pagePath || !fs.existsSync(pagePath)) {
    console.log(`no page at ${pagePath}: build it with "make web"`);
    process.exit(kSkip);
}
const pageUrl = 'file://' + path.resolve(pagePath);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'lotra-web-'));
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
// A 640 x 480 work area, as the desktop's client area: the menu bar is 21 pixels.
const kViewport = { width: 640, height: 501 };
const kMenuBar = 21;
let failures = 0;

function check(condition, message) {
    if (condition) return;
    failures++;
    console.log('FAIL: ' + message);
}

let currentPage = null;  // shown in a screenshot when a step fails

async function openPage(browser) {
    const page = await browser.newPage();
    currentPage = page;
    await page.setViewport(kViewport);
    page.on('pageerror', (error) => { failures++; console.log('FAIL: page error: ' + error.message); });
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

async function clickWorkArea(page, x, y, withControl) {
    if (withControl) await page.keyboard.down('Control');
    await page.mouse.click(x, y + kMenuBar);
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

async function main() {
    const browser = await puppeteer.launch({
        executablePath: '/usr/bin/chromium', headless: true,
        args: ['--no-sandbox', '--disable-gpu'], userDataDir: path.join(work, 'profile'),
    });
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
        const stored = await (await page.waitForFunction(() => new Promise((resolve) => {
            const open = indexedDB.open('/lotra');
            open.onerror = () => resolve(null);
            open.onsuccess = () => {
                const files = open.result.transaction('FILE_DATA').objectStore('FILE_DATA');
                const get = files.get('/lotra/picture.png');
                get.onerror = () => resolve(null);
                get.onsuccess = () => resolve(get.result ? Array.from(get.result.contents) : null);
            };
        }), { timeout: 5000 })).jsonValue();
        check(Buffer.compare(Buffer.from(stored), picture.bytes) === 0,
              'the folder does not hold the picture the page downloaded');
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
        await sleep(15500);
        await idle(page);
        await page.reload();
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

        // --- A dropped file of noise is read like any damaged circuit file: no crash, no hang.
        await page.evaluate(() => {
            const noise = new Uint8Array(4096).map((_, i) => (i * 2654435761) >>> 24);
            const transfer = new DataTransfer();
            transfer.items.add(new File([noise], 'noise.vrt'));
            document.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true }));
        });
        await dialogOpen(page);
        await clickButton(page, 'Продолжить');
        await page.waitForFunction(() => !lotra.isBusy() && document.getElementById('modal').hidden,
                                   { timeout: 10000 });

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

        // --- Storage that refuses every write: the failed save is reported once, after the
        // dialog of a file dropped meanwhile, never in its place; the page goes on.
        await page.evaluate(() => {
            IDBObjectStore.prototype.put = () => { throw new DOMException('refused', 'QuotaExceededError'); };
        });
        await chooseCommand(page, 40030);
        await dialogOpen(page);
        await page.evaluate(() => {
            const transfer = new DataTransfer();
            transfer.items.add(new File([new Uint8Array(16)], 'dropped.vrt'));
            document.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true }));
        });
        await sleep(200);
        await page.keyboard.type('refused.vrt');
        await page.keyboard.press('Enter');
        const dialogs = [];
        for (let i = 0; i < 4; i++) {
            await sleep(300);
            const text = await page.evaluate(() => {
                const modal = document.getElementById('modal');
                if (modal.hidden) return '';
                return [modal.textContent, ...[...modal.querySelectorAll('input')].map((e) => e.value)].join(' ');
            });
            if (text) {
                dialogs.push(text);
                await page.keyboard.press('Escape');
            }
            await page.mouse.move(100 + 10 * i, 100 + kMenuBar);
        }
        check(dialogs.length === 2 && /открытии файла/.test(dialogs[0]) &&
              /Не удалось записать файл refused\.vrt!/.test(dialogs[1]),
              'refused storage showed ' + JSON.stringify(dialogs));
        check(!(await page.evaluate(() => lotra.isBusy())), 'the page hangs after refused storage');
    } catch (error) {
        await currentPage.screenshot({ path: path.join(work, 'failed.png') }).catch(() => {});
        throw new Error(`${error.message} (screenshot in ${work}/failed.png)`);
    } finally {
        await browser.close();
    }
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
