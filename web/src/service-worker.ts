// The page offline: every file of the page is kept in a cache named after a
// hash of their contents (the build writes both in), served from there
// first; a new build's worker fills a new cache and drops the old ones.
declare const PRECACHE_FILES: string[];
declare const CACHE_NAME: string;

interface ExtendableEvent extends Event {
  waitUntil(promise: Promise<unknown>): void;
}
interface FetchEvent extends ExtendableEvent {
  request: Request;
  respondWith(response: Promise<Response> | Response): void;
}
interface WorkerScope {
  location: Location;
  skipWaiting(): Promise<void>;
  clients: { claim(): Promise<void> };
  addEventListener(type: "install" | "activate", listener: (event: ExtendableEvent) => void): void;
  addEventListener(type: "fetch", listener: (event: FetchEvent) => void): void;
}
const worker = self as unknown as WorkerScope;

worker.addEventListener("install", (event) => {
  event.waitUntil(
    (async () => {
      const cache = await caches.open(CACHE_NAME);
      // Fresh from the server, not from the browser's HTTP cache.
      await cache.addAll(PRECACHE_FILES.map((file) => new Request(file, { cache: "reload" })));
      await worker.skipWaiting();
    })(),
  );
});

worker.addEventListener("activate", (event) => {
  event.waitUntil(
    (async () => {
      for (const name of await caches.keys()) if (name !== CACHE_NAME && name.startsWith("krizovky-")) await caches.delete(name);
      await worker.clients.claim();
    })(),
  );
});

worker.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET") return;
  const url = new URL(request.url);
  if (url.origin !== worker.location.origin) return;
  event.respondWith(
    (async () => {
      const cache = await caches.open(CACHE_NAME);
      // The page itself whatever its address says after "?" or "#": a
      // task link opens offline too.
      const page = request.mode === "navigate" ? await cache.match("index.html") : undefined;
      const cached = page ?? (await cache.match(request, { ignoreSearch: request.mode === "navigate" }));
      return cached ?? fetch(request);
    })(),
  );
});
