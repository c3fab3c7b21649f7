// A small static server for the built page: "node web/serve.mjs [--port N]
// [--dir build-web]" (for "make web-serve" and the browser tests). Only
// what a browser needs: GET and HEAD, the right types, index.html for a
// folder. It listens on localhost, where a service worker is allowed
// without https.
import { createReadStream } from "node:fs";
import { stat } from "node:fs/promises";
import http from "node:http";
import path from "node:path";
import { fileURLToPath } from "node:url";

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".json": "application/json",
  ".webmanifest": "application/manifest+json",
  ".wasm": "application/wasm",
  ".svg": "image/svg+xml",
  ".png": "image/png",
  ".ico": "image/x-icon",
  ".txt": "text/plain; charset=utf-8",
};

function option(name, fallback) {
  const at = process.argv.indexOf(name);
  return at >= 0 && at + 1 < process.argv.length ? process.argv[at + 1] : fallback;
}

const port = Number(option("--port", "8080"));
// The page's build folder beside web/ unless told otherwise.
const built = path.join(path.dirname(path.dirname(fileURLToPath(import.meta.url))), "build-web");
const folder = path.resolve(option("--dir", built));
const host = option("--host", "127.0.0.1");

async function fileOf(urlPath) {
  let relative;
  try {
    relative = decodeURIComponent(urlPath);
  } catch {
    return null;
  }
  const file = path.join(folder, path.normalize(relative));
  if (file !== folder && !file.startsWith(folder + path.sep)) return null;
  try {
    const info = await stat(file);
    if (info.isDirectory()) {
      const index = path.join(file, "index.html");
      return (await stat(index)).isFile() ? index : null;
    }
    return info.isFile() ? file : null;
  } catch {
    return null;
  }
}

const server = http.createServer(async (request, response) => {
  if (request.method !== "GET" && request.method !== "HEAD") {
    response.writeHead(405, { Allow: "GET, HEAD" }).end();
    return;
  }
  const url = new URL(request.url ?? "/", "http://localhost");
  const file = await fileOf(url.pathname);
  if (!file) {
    response.writeHead(404, { "Content-Type": "text/plain; charset=utf-8" }).end("404 nenalezeno\n");
    return;
  }
  const info = await stat(file);
  response.writeHead(200, {
    "Content-Type": types[path.extname(file).toLowerCase()] ?? "application/octet-stream",
    "Content-Length": info.size,
  });
  if (request.method === "HEAD") response.end();
  else createReadStream(file).pipe(response);
});

server.listen(port, host, () => {
  const address = server.address();
  console.log(`krizovky: http://${host === "0.0.0.0" ? "localhost" : host}:${address.port}/ (${folder})`);
});
for (const signal of ["SIGINT", "SIGTERM"]) process.on(signal, () => server.close(() => process.exit(0)));
