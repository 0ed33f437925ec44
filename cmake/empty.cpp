// Keeps the platform library non-empty while its back end grows.
