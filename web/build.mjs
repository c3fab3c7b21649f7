// Builds the web page into build-web/ from web/ and the core's build folder
// build-web-core/: run as "node web/build.mjs" from the repository root.
//
// esbuild bundles the TypeScript: one small dependency-free binary, fast,
// with TypeScript built in (it strips the types; "npm run check" runs tsc
// to check them). The core module is copied beside the scripts as
// Emscripten made it, and loaded from there at run time.
import { createHash } from "node:crypto";
import { execFileSync } from "node:child_process";
import { copyFile, mkdir, readFile, stat, writeFile } from "node:fs/promises";
import path from "node:path";
import { fileURLToPath } from "node:url";
import * as esbuild from "esbuild";

const web = path.dirname(fileURLToPath(import.meta.url));
const root = path.dirname(web);
const coreFolder = path.join(root, "build-web-core");
const out = path.join(root, "build-web");

const coreFiles = ["krizovky-core.js", "krizovky-core.wasm"];
const dataFiles = ["krizovky.DEF", "krizovky.KRI", "krizovky.VZR", "krizovky.PRA"];
const staticFiles = ["index.html", "style.css", "manifest.webmanifest"];

async function findCoreFile(name) {
  // The data files may lie in a subfolder of the core's build.
  for (const folder of [coreFolder, path.join(coreFolder, "data")]) {
    const file = path.join(folder, name);
    try {
      if ((await stat(file)).isFile()) return file;
    } catch {
      // not here
    }
  }
  throw new Error(`${name} is missing from ${coreFolder}: build the core first (make web)`);
}

async function bundle(entry, outfile) {
  await esbuild.build({
    entryPoints: [path.join(web, "src", entry)],
    outfile: path.join(out, outfile),
    bundle: true,
    format: "esm",
    target: ["es2022"],
    minify: true,
    legalComments: "none",
    logLevel: "warning",
  });
}

async function main() {
  await mkdir(out, { recursive: true });
  const pageFiles = [];
  const put = (name) => pageFiles.push(name);

  await bundle("main.ts", "app.js");
  put("app.js");
  await bundle("worker.ts", "worker.js");
  put("worker.js");
  for (const name of staticFiles) {
    await copyFile(path.join(web, "static", name), path.join(out, name));
    put(name);
  }
  const icon = path.join(root, "data", "icons", "krizovky.svg");
  await copyFile(icon, path.join(out, "icon.svg"));
  put("icon.svg");
  for (const size of [192, 512]) {
    const name = `icon-${size}.png`;
    execFileSync("rsvg-convert", ["-w", String(size), "-h", String(size), "-o", path.join(out, name), icon]);
    put(name);
  }
  for (const name of [...coreFiles, ...dataFiles]) {
    await copyFile(await findCoreFile(name), path.join(out, name));
    put(name);
  }

  // The cache of the service worker is named after the files it keeps: a
  // new build is a new cache, and the old one goes.
  pageFiles.sort();
  const hash = createHash("sha256");
  for (const name of pageFiles) {
    hash.update(name + "\0");
    hash.update(await readFile(path.join(out, name)));
  }
  const cacheName = `krizovky-${hash.digest("hex").slice(0, 16)}`;
  await esbuild.build({
    entryPoints: [path.join(web, "src", "service-worker.ts")],
    outfile: path.join(out, "service-worker.js"),
    bundle: true,
    format: "iife",
    target: ["es2022"],
    minify: true,
    legalComments: "none",
    logLevel: "warning",
    define: {
      PRECACHE_FILES: JSON.stringify(pageFiles),
      CACHE_NAME: JSON.stringify(cacheName),
    },
  });
  console.log(`build-web: ${pageFiles.length + 1} files, cache ${cacheName}`);
}

main().catch((error) => {
  console.error(`web build: ${error.message}`);
  process.exit(1);
});
