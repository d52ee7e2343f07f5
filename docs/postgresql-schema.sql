-- The schema of one ledger and the application role's rights on it. Run after
-- postgresql-roles.sql (same variables), as a superuser or as the owner (which then needs
-- CREATE on the database); run it again for each further ledger schema of the same roles:
--
--   psql -v ON_ERROR_STOP=1 -v schema=ksiega -v owner=ksiega_owner -v app=ksiega_app \
--        -f docs/postgresql-schema.sql DBNAME

CREATE SCHEMA IF NOT EXISTS :"schema" AUTHORIZATION :"owner";

-- The rows of the ledger's schema: what is there now and what the owner creates later.
GRANT USAGE ON SCHEMA :"schema" TO :"app";
GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA :"schema" TO :"app";
GRANT USAGE, SELECT, UPDATE ON ALL SEQUENCES IN SCHEMA :"schema" TO :"app";
ALTER DEFAULT PRIVILEGES FOR ROLE :"owner" IN SCHEMA :"schema" GRANT SELECT, INSERT, UPDATE, DELETE ON TABLES TO :"app";
ALTER DEFAULT PRIVILEGES FOR ROLE :"owner" IN SCHEMA :"schema" GRANT USAGE, SELECT, UPDATE ON SEQUENCES TO :"app";
