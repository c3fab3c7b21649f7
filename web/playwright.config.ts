// The page's tests in Debian's headless Chromium, against build-web/ served
// by the page's own little server.
import { defineConfig } from "@playwright/test";

export default defineConfig({
  testDir: "tests",
  timeout: 90_000,
  workers: 1,
  reporter: "list",
  use: {
    baseURL: "http://localhost:8123",
    launchOptions: { executablePath: "/usr/bin/chromium" },
    serviceWorkers: "allow",
  },
  webServer: {
    command: "node serve.mjs --port 8123 --dir ../build-web",
    url: "http://localhost:8123/index.html",
    reuseExistingServer: false,
  },
});
