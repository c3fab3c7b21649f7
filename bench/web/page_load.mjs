// The page from a local server in headless Chromium: the time from the
// request of index.html (a link in its address, so that a board comes up)
// to a board whose square answers a tap, first with nothing cached and then
// from the service worker's cache; and what the browser fetches of the
// page's scripts and the core's .wasm, compressed with gzip.
//
//   make web && node bench/web/page_load.mjs [RUNS]
import { createRequire } from "node:module";
import { spawn } from "node:child_process";
import { readFile, readdir } from "node:fs/promises";
import { gzipSync } from "node:zlib";
import { join, resolve } from "node:path";

const root = resolve(new URL(".", import.meta.url).pathname, "../..");
const require = createRequire(join(root, "web/package.json"));
const { chromium } = require("@playwright/test");
const runs = Number(process.argv[2] ?? 10);
const site = join(root, "build-web");
const port = 8124;
const link = "?kakuro/5/5/48la0.na0lh3l0Bn.0cl.c4a3";

let compressed = 0;
for (const name of await readdir(site)) {
  if (!/\.(js|wasm)$/.test(name)) continue;
  const size = gzipSync(await readFile(join(site, name)), { level: 9 }).length;
  compressed += size;
  console.log(`${name.padEnd(24)} ${(size / 1000).toFixed(1)} kB with gzip`);
}
console.log(`scripts and .wasm together: ${(compressed / 1000).toFixed(1)} kB with gzip`);

const server = spawn("node", [join(root, "web/serve.mjs"), "--port", String(port), "--dir", site], {
  stdio: "ignore",
});
await new Promise((started) => setTimeout(started, 500));
const browser = await chromium.launch({ executablePath: "/usr/bin/chromium" });

// From the request to the tap answered: a square selected on the board.
async function loadAndTap(page) {
  const start = Date.now();
  await page.goto(`http://localhost:${port}/index.html${link}`);
  const square = page.getByRole("gridcell", { name: /^řádek 3, sloupec 3,/ });
  await square.click();
  await page.waitForFunction(() => document.activeElement?.getAttribute("aria-label")?.startsWith("řádek 3, sloupec 3,"));
  return Date.now() - start;
}

const cold = [];
const warm = [];
for (let run = 0; run < runs; ++run) {
  const context = await browser.newContext();
  const page = await context.newPage();
  cold.push(await loadAndTap(page));
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  warm.push(await loadAndTap(page));
  await context.close();
}
await browser.close();
server.kill();

const median = (values) => {
  const s = [...values].sort((a, b) => a - b);
  return (s[Math.floor((s.length - 1) / 2)] + s[Math.ceil((s.length - 1) / 2)]) / 2;
};
console.log(`request to a tap answered, nothing cached: median ${median(cold)} ms, most ${Math.max(...cold)} ms over ${runs}`);
console.log(`request to a tap answered, from the cache:  median ${median(warm)} ms, most ${Math.max(...warm)} ms over ${runs}`);
