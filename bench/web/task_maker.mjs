// "Nová úloha" in the page's worker, in headless Chromium: the time of each
// making at size "velká" for every grade over 20 task numbers, with the
// median and the 95th percentile per grade. Each making runs in a module
// worker with its own instance of the core, as the page's does.
//
//   make web && node bench/web/task_maker.mjs [COUNT]
import { createRequire } from "node:module";
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, resolve } from "node:path";

const root = resolve(import.meta.dirname ?? new URL(".", import.meta.url).pathname, "../..");
const require = createRequire(join(root, "web/package.json"));
const { chromium } = require("@playwright/test");
const count = Number(process.argv[2] ?? 20);
const site = join(root, "build-web");
const types = { ".js": "text/javascript", ".wasm": "application/wasm", ".html": "text/html" };

const server = createServer(async (request, response) => {
  const path = new URL(request.url, "http://localhost").pathname;
  try {
    const body = path === "/bench.html" ? "<!doctype html><title>bench</title>" : await readFile(join(site, path));
    response.writeHead(200, { "content-type": types[extname(path)] ?? "application/octet-stream" });
    response.end(body);
  } catch {
    response.writeHead(404);
    response.end();
  }
}).listen(0);
const port = server.address().port;

const browser = await chromium.launch({ executablePath: "/usr/bin/chromium" });
const page = await browser.newPage();
await page.goto(`http://localhost:${port}/bench.html`);
const times = await page.evaluate(async (count) => {
  const source = `
    import createCore from "${location.origin}/krizovky-core.js";
    const bytes = async (name) => new Uint8Array(await (await fetch("${location.origin}/" + name)).arrayBuffer());
    const core = await createCore();
    const workshop = new core.TaskWorkshop(await bytes("krizovky.DEF"), await bytes("krizovky.VZR"));
    onmessage = ({ data }) => {
      const start = performance.now();
      const made = JSON.parse(workshop.make(JSON.stringify(data)));
      postMessage({ ms: performance.now() - start, made: made.made, name: made.name });
    };
    postMessage("ready");`;
  const worker = new Worker(URL.createObjectURL(new Blob([source], { type: "text/javascript" })), { type: "module" });
  await new Promise((ready) => (worker.onmessage = ready));
  const make = (request) => new Promise((done) => {
    worker.onmessage = ({ data }) => done(data);
    worker.postMessage(request);
  });
  const times = {};
  for (let grade = 0; grade < 4; ++grade) {
    times[grade] = [];
    for (let n = 0; n < count; ++n) times[grade].push(await make({ grade, size: 2, number: 1000 + 37 * n }));
  }
  return times;
}, count);
await browser.close();
server.close();

const grades = ["lehká", "střední", "těžká", "velmi těžká"];
const quantile = (sorted, q) => sorted[Math.min(sorted.length - 1, Math.ceil(q * sorted.length) - 1)];
const median = (sorted) => (sorted[Math.floor((sorted.length - 1) / 2)] + sorted[Math.ceil((sorted.length - 1) / 2)]) / 2;
for (const [grade, results] of Object.entries(times)) {
  const ms = results.map((r) => r.ms).sort((a, b) => a - b);
  const made = results.filter((r) => r.made).length;
  console.log(`${grades[grade].padEnd(12)} velká: median ${(median(ms) / 1000).toFixed(3)} s, ` +
    `p95 ${(quantile(ms, 0.95) / 1000).toFixed(3)} s, most ${(ms.at(-1) / 1000).toFixed(3)} s, ` +
    `${made} of ${ms.length} made`);
}
